// The support dialog: its captions in both languages, the package folder exactly as stored, the
// busy state of the main window while it is open, and the refused close.
#include "ExpectedTexts.h"
#include "Scenario.h"

namespace e2e {
namespace {

using namespace robot;

class SupportTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {
protected:
    int Year() const { return GetParam().year; }
    Language Lang() const { return GetParam().language; }

    // A ready machine whose package folder is stored with a trailing backslash; the program shown.
    App& StartReady() {
        SetJapanese(Lang() == Language::Japanese);
        SetFsPath(Year(), MakeSimulatorFolder(Year()));
        package_ = MakePackageFolder() + "\\";
        SetAddonPath(package_);
        App& app = Start(Year());
        app.WaitForMainWindow(ExpectedMainWindow(Year(), Lang()).caption);
        app.ExpectNoBox();
        return app;
    }
    // Presses the support button and waits for the dialog.
    Window OpenSupport(App& app) {
        app.Control(app.Ids().support).PostClick();
        return WaitForWindow(app.Pid(), ExpectedSupportDialog(Lang()).caption);
    }
    // Every control of the main window: enabled when idle, disabled while busy.
    static void ExpectMainWindowEnabled(const App& app, bool enabled) {
        const MainWindowIds& ids = app.Ids();
        std::vector<int> all{ids.support, ids.end, ids.box, ids.browse};
        for (const int id : ids.Operations())
            all.push_back(id);
        for (const int id : all)
            EXPECT_EQ(app.Control(id).Enabled(), enabled) << app.Control(id).Describe();
    }
    std::string package_;
};

TEST_P(SupportTest, ShowsThePackageFolderExactlyAndClosesByOkAndByItsCloseBox) {
    App& app = StartReady();
    const SupportDialogTexts texts = ExpectedSupportDialog(Lang());
    for (const bool byOk : {true, false}) {
        SCOPED_TRACE(byOk ? "closed by OK" : "closed by its close box");
        const Window dialog = OpenSupport(app);
        EXPECT_EQ(dialog.Child(kSupportIds.groupBox).Text(), texts.groupBox);
        EXPECT_EQ(dialog.Child(kSupportIds.panel).Text(), texts.panel);
        EXPECT_EQ(dialog.Child(kSupportIds.ok).Text(), texts.ok);
        const Window box = dialog.Child(kSupportIds.box);
        EXPECT_EQ(box.Text(), package_);
        EXPECT_FALSE(box.Enabled()) << "the package folder box is read-only";
        ExpectMainWindowEnabled(app, false);

        if (byOk)
            dialog.Child(kSupportIds.ok).PostClick();
        else
            dialog.Close();
        WaitUntil("the support dialog to close", [&] { return !dialog.Exists() || !dialog.Visible(); });
        app.MainWindow().Sync();
        ExpectMainWindowEnabled(app, true);
        app.ExpectNoBox();
    }
}

// Closing the main window while the support dialog is open (busy) gives the warning and the
// window stays; once the dialog is closed, the close box ends the program. The dialog is modal,
// so the close request comes from outside (WM_CLOSE), the main window's close box being disabled.
TEST_P(SupportTest, ClosingTheMainWindowWhileBusyIsRefusedWithTheWarning) {
    App& app = StartReady();
    const Window dialog = OpenSupport(app);
    app.MainWindow().CloseAndWait();
    app.ExpectNoBox();
    EXPECT_TRUE(app.Process().Running()) << "the close box of a window under a modal dialog does nothing";
    app.MainWindow().RequestClose();
    const MsgBox warning = app.WaitForBox();
    const BoxTexts texts = ExpectedBusy(Lang());
    EXPECT_EQ(warning.Caption(), texts.caption);
    EXPECT_EQ(warning.Text(), texts.text);
    EXPECT_EQ(warning.Kind(), BoxKind::Warning);
    warning.Answer(IDOK);

    EXPECT_TRUE(app.Process().Running());
    EXPECT_TRUE(app.MainWindow().Exists() && app.MainWindow().Visible());
    EXPECT_TRUE(dialog.Visible()) << "the support dialog stays open";
    ExpectMainWindowEnabled(app, false);

    dialog.Child(kSupportIds.ok).PostClick();
    WaitUntil("the support dialog to close", [&] { return !dialog.Visible(); });
    app.MainWindow().Sync();
    ExpectMainWindowEnabled(app, true);
    app.MainWindow().Close();
    EXPECT_EQ(app.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Editions, SupportTest, ::testing::ValuesIn(kEditionsAndLanguages), EditionLanguageName);

} // namespace
} // namespace e2e
