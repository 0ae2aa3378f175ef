// Program entry of both editions; QUILLET_EDITION picks the edition.
#include "app/Edition.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "facility/Facility.h"
#include "facility/Unit2.h"
#include "framework/Application.h"
#include "framework/win32/Win32Backend.h"
#include "platform/Registry.h"
#include "platform/System.h"

int main() {
    fw::Win32Backend backend;
    fw::TApplication app(backend);
    MainContext context{kEdition, platform::SystemRegistry(), platform::RealSystem(), {}};
    std::function<void()> createAirportDialog;
    if constexpr (kHasFacility) {
        context.facility = [&app](FacilityMode mode) {
            RunFacility(mode, MainF->Edit_FS->Text(), app.GetMessages(), platform::RealSystem(), *Form2);
        };
        createAirportDialog = [&app] { app.CreateForm(Form2); };
    }
    return RunProgram(app, std::move(context), createAirportDialog);
}
