// Program entry of both editions; QUILLET_EDITION picks the edition.
#include "app/Edition.h"
#include "app/Unit1.h"
#include "facility/Facility.h"
#include "facility/Unit2.h"
#include "framework/Application.h"
#include "framework/win32/Win32Backend.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "ui/Unit3.h"

int main() {
    fw::Win32Backend backend;
    fw::TApplication app(backend);
    try {
        app.SetTitle("Setup Tool (KQ9)");
        MainContext context{kEdition, platform::SystemRegistry(), platform::RealSystem(), {}};
        if constexpr (kHasFacility)
            context.facility = [&app](FacilityMode mode) {
                RunFacility(mode, MainF->Edit_FS->Text(), app.GetMessages(), platform::RealSystem(), *Form2);
            };
        app.CreateForm(MainF, std::move(context));
        if constexpr (kHasFacility)
            app.CreateForm(Form2);
        app.CreateForm(Form3, MainF->AddonPath);
        app.Run();
    } catch (const std::exception& error) {
        app.ShowException(error);
    }
    return 0;
}
