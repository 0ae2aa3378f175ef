// How the programs end: the package folder missing at start-up, a second copy of the same
// edition, the Exit button and the close box.
#include "ExpectedTexts.h"
#include "Scenario.h"

namespace e2e {
namespace {

using namespace robot;

class InstanceTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {
protected:
    int Year() const { return GetParam().year; }
    Language Lang() const { return GetParam().language; }
    int OtherYear() const { return Year() == 2002 ? 2004 : 2002; }
    void SetUp() override {
        Scenario::SetUp();
        SetJapanese(Lang() == Language::Japanese);
    }
    // Starts the edition and waits until its main window is shown without a box.
    App& StartNormally(int year) {
        App& app = Start(year);
        app.WaitForMainWindow(ExpectedMainWindow(year, Lang()).caption);
        app.ExpectNoBox();
        return app;
    }
    static void ExpectBox(const MsgBox& box, const BoxTexts& texts, BoxKind kind) {
        EXPECT_EQ(box.Caption(), texts.caption);
        EXPECT_EQ(box.Text(), texts.text);
        EXPECT_EQ(box.Kind(), kind);
    }
};

// The package's entry missing, or present but empty: the error box comes before the main window
// is shown, and the program ends once it is dismissed.
TEST_P(InstanceTest, PackageFolderMissingEndsTheProgramAfterTheErrorBox) {
    SetFsPath(Year(), MakeSimulatorFolder(Year()));
    const char* const ways[] = {"no package key", "key without \"Path\"", "empty \"Path\""};
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(ways[way]);
        registry::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Vellmora");
        if (way == 1)
            registry::CreateKey(HKEY_LOCAL_MACHINE, kAddonKey);
        if (way == 2)
            SetAddonPath("");
        App& app = Start(Year());
        const MsgBox box = app.WaitForBox();
        EXPECT_TRUE(app.Forms().empty()) << "shown before the box: " << DescribeWindows(app.Pid());
        ExpectBox(box, ExpectedPackageMissing(Lang()), BoxKind::Error);
        box.Answer(IDOK);
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

// A second copy of the same edition shows its window and the "already running" box, and ends
// when the box is dismissed; the first copy goes on, and a copy of the other edition starts.
TEST_P(InstanceTest, SecondCopyOfTheSameEditionIsRefusedWhileTheOtherEditionStarts) {
    MakeReadyMachine(Year());
    MakeReadyMachine(OtherYear());
    App& first = StartNormally(Year());

    App& second = Start(Year());
    const MsgBox box = second.WaitForBox();
    ExpectBox(box, ExpectedAlreadyRunning(Lang()), BoxKind::Error);
    box.Answer(IDOK);
    EXPECT_EQ(second.WaitForExit(), 0u);

    // The first copy still answers and is usable.
    ASSERT_TRUE(first.Process().Running());
    first.ExpectNoBox();
    EXPECT_TRUE(first.Control(first.Ids().support).Enabled());

    App& other = StartNormally(OtherYear());
    EXPECT_TRUE(other.Process().Running());

    // A copy started from another folder is the same edition all the same.
    App& elsewhere = Start(Year(), files::Join(kRoot, "Elsewhere"));
    const MsgBox refused = elsewhere.WaitForBox();
    ExpectBox(refused, ExpectedAlreadyRunning(Lang()), BoxKind::Error);
    refused.Answer(IDOK);
    EXPECT_EQ(elsewhere.WaitForExit(), 0u);
}

// With the package folder missing and another copy running, the "already running" box follows
// the package box, because the window is still shown once.
TEST_P(InstanceTest, PackageBoxThenAlreadyRunningBoxWhenAnotherCopyRuns) {
    MakeReadyMachine(Year());
    StartNormally(Year());
    registry::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Vellmora");
    App& second = Start(Year());
    const MsgBox package = second.WaitForBox();
    ExpectBox(package, ExpectedPackageMissing(Lang()), BoxKind::Error);
    package.Answer(IDOK);
    const MsgBox running = second.WaitForBox();
    ExpectBox(running, ExpectedAlreadyRunning(Lang()), BoxKind::Error);
    running.Answer(IDOK);
    EXPECT_EQ(second.WaitForExit(), 0u);
}

// Exit ends the program without a question; then a new copy starts normally.
TEST_P(InstanceTest, ExitEndsWithoutAQuestionAndANewCopyStarts) {
    MakeReadyMachine(Year());
    App& app = StartNormally(Year());
    app.Control(app.Ids().end).PostClick();
    EXPECT_EQ(app.WaitForExit(), 0u);
    StartNormally(Year());
}

// The close box while idle ends the program; then a new copy starts normally.
TEST_P(InstanceTest, CloseBoxWhileIdleEndsTheProgram) {
    MakeReadyMachine(Year());
    App& app = StartNormally(Year());
    app.MainWindow().Close();
    EXPECT_EQ(app.WaitForExit(), 0u);
    StartNormally(Year());
}

INSTANTIATE_TEST_SUITE_P(Editions, InstanceTest, ::testing::ValuesIn(kEditionsAndLanguages), EditionLanguageName);

} // namespace
} // namespace e2e
