#include "app/Startup.h"

#include "ui/Unit3.h"

int RunProgram(fw::TApplication& app, MainContext context, const std::function<void()>& createAirportDialog) {
    try {
        app.SetTitle("Setup Tool (KQ9)");
        app.CreateForm(MainF, std::move(context));
        if (createAirportDialog)
            createAirportDialog();
        app.CreateForm(Form3, MainF->AddonPath);
        app.Run();
    } catch (const std::exception& error) {
        app.ShowException(error);
    }
    return 0;
}
