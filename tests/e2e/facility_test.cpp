// The facility buttons of Quillet2002: the airport dialog driven with the mouse and the keyboard,
// the question and result boxes in both languages, the copies of japanafd.bgl, and what the
// installer receives. A stub Fadrillo.exe beside the program appends its current directory and
// command line to Fadrillo.log there.
#include "ExpectedTexts.h"
#include "Scenario.h"

#include <algorithm>
#include <array>

namespace e2e {
namespace {

using namespace robot;

// Control IDs of the airport dialog: 1000 + the row in its design table.
struct AirportDialogIds {
    int list = 1000, ok = 1001, cancel = 1002, all = 1003, message = 1004;
};
constexpr AirportDialogIds kDialogIds{};
// Where a click on an item lands: inside its check box, or on its text.
constexpr int kCheckBoxX = 6;
constexpr int kTextX = 60;

enum class Mode { Register, Restore };

// The texts the user must see, written out here rather than taken from the program's sources.
struct DialogTexts {
    std::string caption, ok, cancel, all;
    std::array<std::string, 6> items;
    std::string message; // for the mode the dialog was opened in
};

DialogTexts ExpectedDialog(Language language, Mode mode) {
    if (language == Language::Japanese)
        return {"空港の選択",
                "OK",
                "キャンセル",
                " 全て選択",
                {"青森空港\u3000\u3000(RJSA)", "秋田空港\u3000\u3000(RJSK)", "新潟空港\u3000\u3000(RJSN)",
                 "松本空港\u3000\u3000(RJAF)", "高松空港\u3000\u3000(RJOT)", "久米島空港 (ROKJ)"},
                std::string("ファシリティ・データを") + (mode == Mode::Register ? "登録" : "復元") +
                    "する空港を選択して下さい。"};
    return {
        "Select the airport",
        "OK",
        "Cancel",
        " All Check",
        {"RJSA - Aomori", "RJSK - Akita", "RJSN - Niigata", "RJAF - Matsumoto", "RJOT - Takamatsu", "ROKJ - Kumejima"},
        std::string("Please choose the airport which ") + (mode == Mode::Register ? "registers" : "restores") +
            " AFCAD file."};
}

struct FacilityBoxes {
    BoxTexts question, nothingChosen, bglMissing, copyFailed, notStarted, completed;
};

FacilityBoxes ExpectedBoxes(Language language, Mode mode) {
    const bool reg = mode == Mode::Register;
    if (language == Language::Japanese) {
        const std::string verb = reg ? "登録" : "復元";
        return {
            {"ファシリティ・データの" + verb + "を行ってもよろしいですか？", "確認"},
            {verb + "されるファシリティ・データはありませんでした。", "警告"},
            {"japanafd.bglが見つかりません。ファシリティ・データの" + verb + "を中止します。", "エラー"},
            {"japanafd.bglを保存中にエラーが発生しました。ファシリティ・データの" + verb + "を中止します。", "エラー"},
            {"ファシリティ・データの" + verb + "中にエラーが発生しました。", "エラー"},
            {"ファシリティ・データの" + verb + "が完了しました。", "確認"}};
    }
    if (reg)
        return {{"May I register the AFCAD file?", "Question"},
                {"There are no registered AFCAD file.", "Warning"},
                {"\"Japanafd.bgl\"dose not found.\nRegistration of the AFCAD file is stopped.", "Error"},
                {"An error occured during copying \"japanafd.bgl\" file.\nRegistration of the AFCAD file is stopped.",
                 "Error"},
                {"An error occured during registering the AFCAD file.", "Error"},
                {"Registration of the AFCAD file was completed.", "Completed"}};
    return {{"May I restore the AFCAD file?", "Question"},
            {"There was no restored AFCAD file.", "Warning"},
            {"\"Japanafd.bgl\"dose not found.\nRestoring the AFCAD file is stopped.", "Error"},
            {"An error occured during copying \"japanafd.bgl\" file.\nRestoring the AFCAD file is stopped.", "Error"},
            {"An error occured during restoring the AFCAD file.", "Error"},
            {"Restoring the AFCAD file was completed.", "Completed"}};
}

const char* const kNewFiles[] = {"New\\AFCAD1_RJSA.TXT", "New\\AFCAD1_RJSK.TXT", "New\\AFCAD1_RJSN.TXT",
                                 "New\\AFCAD1_RJAF.TXT", "New\\AFCAD1_RJOT.TXT", "New\\AFCAD1_ROKJ.TXT"};

LRESULT Ask(const Window& window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window.Handle(), message, wParam, lParam, SMTO_NORMAL, 5000, &result))
        throw RobotError("no answer from " + window.Describe() + " to message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

// The check list box as a user sees and works it: items, marks, the highlight, clicks and keys.
class CheckList {
public:
    explicit CheckList(Window window) : window_(window) {}
    int Count() const { return static_cast<int>(Ask(window_, LB_GETCOUNT)); }
    std::string Item(int index) const {
        std::wstring text(static_cast<size_t>(Ask(window_, LB_GETTEXTLEN, index)) + 1, L'\0');
        text.resize(static_cast<size_t>(Ask(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
        return Narrow(text);
    }
    bool Checked(int index) const { return Ask(window_, LB_GETITEMDATA, index) == 1; }
    std::array<bool, 6> Marks() const {
        std::array<bool, 6> marks{};
        for (int i = 0; i < 6; ++i)
            marks[i] = Checked(i);
        return marks;
    }
    // -1 when no item is highlighted.
    int Highlighted() const {
        const LRESULT index = Ask(window_, LB_GETCURSEL);
        return index == LB_ERR ? -1 : static_cast<int>(index);
    }
    // A left click on item `index`, in its check box or on its text. Sent, so that it has been
    // handled when the call returns.
    void Click(int index, bool onCheckBox) const {
        RECT rect{};
        Ask(window_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM(rect.left + (onCheckBox ? kCheckBoxX : kTextX), (rect.top + rect.bottom) / 2);
        Ask(window_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Ask(window_, WM_LBUTTONUP, 0, at);
    }
    // One key press on the list: the arrows move the highlight, the space bar toggles. The
    // character that the message loop would make of a space comes with it.
    void Press(WPARAM key) const {
        const LPARAM down = 1 | (MapVirtualKeyW(static_cast<UINT>(key), 0) << 16);
        Ask(window_, WM_KEYDOWN, key, down);
        if (key == VK_SPACE)
            Ask(window_, WM_CHAR, L' ', down);
        Ask(window_, WM_KEYUP, key, down | (3u << 30));
    }

private:
    Window window_;
};

bool IsChecked(const Window& checkBox) {
    return Ask(checkBox, BM_GETCHECK) == BST_CHECKED;
}

class FacilityTest : public Scenario, public ::testing::WithParamInterface<Language> {
protected:
    Language Lang() const { return GetParam(); }
    std::string SetupFolder() const { return files::Join(kRoot, "Setup2002"); }
    std::string Scenery() const { return files::Join(kRoot, "FS2002\\Scenedb\\AFDFILES\\scenery"); }
    std::string Bgl() const { return files::Join(Scenery(), "japanafd.bgl"); }
    std::string Org() const { return files::Join(Scenery(), "japanafd.QZ_ORG"); }
    std::string Bak() const { return files::Join(Scenery(), "japanafd.QZ_BAK"); }
    std::string Log() const { return files::Join(SetupFolder(), "Fadrillo.log"); }

    // A ready machine with the facility file and, unless told otherwise, the stub installer
    // beside the program.
    void Prepare(bool withInstaller = true) {
        SetJapanese(Lang() == Language::Japanese);
        MakeReadyMachine(2002);
        files::WriteFile(Bgl(), "BGL facility data as installed");
        files::MakeFolder(SetupFolder());
        if (withInstaller)
            files::Copy(StubPath("Fadrillo"), files::Join(SetupFolder(), "Fadrillo.exe"));
    }
    App& StartReady() {
        App& app = Start(2002);
        app.WaitForMainWindow(ExpectedMainWindow(2002, Lang()).caption);
        app.ExpectNoBox();
        return app;
    }
    // Presses the mode's facility button and waits for the airport dialog.
    Window OpenDialog(App& app, Mode mode) {
        app.Control(mode == Mode::Register ? app.Ids().afdAdd : app.Ids().afdRes).PostClick();
        return WaitForWindow(app.Pid(), ExpectedDialog(Lang(), mode).caption, "TForm2");
    }
    // The next box must have these texts and this kind; answered with `button`.
    void ExpectBox(App& app, const BoxTexts& texts, BoxKind kind, int button) {
        const MsgBox box = app.WaitForBox();
        box.AsWindow().Sync(); // the box is built once its thread takes messages again
        EXPECT_EQ(box.Caption(), texts.caption);
        EXPECT_EQ(box.Text(), texts.text);
        EXPECT_STREQ(ToString(box.Kind()), ToString(kind));
        box.Answer(button);
        WaitUntil("the box to close", [&] { return !box.Exists(); });
    }
    // After the run: no box left, and the main window given back.
    void ExpectIdle(App& app) {
        app.ExpectNoBox();
        for (const int id : app.Ids().Operations())
            EXPECT_TRUE(app.Control(id).Enabled()) << app.Control(id).Describe();
        EXPECT_TRUE(app.Control(app.Ids().end).Enabled());
    }
    // One run that ends in the completion box: check `items` with the mouse, OK, Yes.
    void RunToCompletion(App& app, Mode mode, const std::vector<int>& items) {
        const Window dialog = OpenDialog(app, mode);
        const CheckList list(dialog.Child(kDialogIds.list));
        for (const int i : items)
            list.Click(i, true);
        dialog.Child(kDialogIds.ok).PostClick();
        const FacilityBoxes boxes = ExpectedBoxes(Lang(), mode);
        ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
        ExpectBox(app, boxes.completed, BoxKind::Information, IDOK);
        ExpectIdle(app);
    }
    // What the stub installer recorded, one "cwd=...\nargs=...\n" per start; waits for `starts`.
    std::string WaitForLog(int starts) {
        std::string record;
        WaitUntil("the installer to record " + std::to_string(starts) + " start(s)", [&] {
            record = files::Exists(Log()) ? files::ReadFile(Log()) : std::string();
            return std::count(record.begin(), record.end(), '\n') >= 2 * starts;
        });
        return record;
    }
    std::string Started(const std::string& args) const { return "cwd=" + SetupFolder() + "\nargs=" + args + "\n"; }
};

TEST_P(FacilityTest, DialogShowsItsTextsAndOpensClearedEachTime) {
    Prepare();
    App& app = StartReady();
    for (const Mode mode : {Mode::Register, Mode::Restore}) {
        SCOPED_TRACE(mode == Mode::Register ? "registration" : "restoration");
        const DialogTexts texts = ExpectedDialog(Lang(), mode);
        const Window dialog = OpenDialog(app, mode);
        EXPECT_EQ(dialog.Child(kDialogIds.ok).Text(), texts.ok);
        EXPECT_EQ(dialog.Child(kDialogIds.cancel).Text(), texts.cancel);
        EXPECT_EQ(dialog.Child(kDialogIds.all).Text(), texts.all);
        EXPECT_EQ(dialog.Child(kDialogIds.message).Text(), texts.message);
        const CheckList list(dialog.Child(kDialogIds.list));
        ASSERT_EQ(list.Count(), 6);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(list.Item(i), texts.items[i]) << i;
        EXPECT_EQ(list.Marks(), (std::array<bool, 6>{}));
        EXPECT_EQ(list.Highlighted(), -1);
        EXPECT_FALSE(IsChecked(dialog.Child(kDialogIds.all)));
        EXPECT_FALSE(app.Control(app.Ids().end).Enabled()) << "the main window is busy while the dialog is open";

        // Leave everything checked and an item highlighted; the next show starts afresh.
        dialog.Child(kDialogIds.all).Click();
        list.Click(2, false);
        EXPECT_EQ(list.Marks(), (std::array<bool, 6>{true, true, true, true, true, true}));
        dialog.Child(kDialogIds.cancel).PostClick();
        WaitUntil("the dialog to close", [&] { return !dialog.Visible(); });
        ExpectIdle(app);
    }
    EXPECT_FALSE(files::Exists(Org()));
    EXPECT_FALSE(files::Exists(Bak()));
    EXPECT_FALSE(files::Exists(Log()));
}

TEST_P(FacilityTest, SelectAllAndTheListKeepEachOtherInStep) {
    Prepare();
    App& app = StartReady();
    const Window dialog = OpenDialog(app, Mode::Register);
    const CheckList list(dialog.Child(kDialogIds.list));
    const Window all = dialog.Child(kDialogIds.all);

    all.Click();
    EXPECT_TRUE(IsChecked(all));
    EXPECT_EQ(list.Marks(), (std::array<bool, 6>{true, true, true, true, true, true}));
    all.Click();
    EXPECT_FALSE(IsChecked(all));
    EXPECT_EQ(list.Marks(), (std::array<bool, 6>{}));

    // Six clicks in the check boxes: each click moves the highlight before it toggles, so the
    // select-all box follows the marks as they were before the last toggle.
    for (int i = 0; i < 6; ++i)
        list.Click(i, true);
    EXPECT_EQ(list.Marks(), (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_FALSE(IsChecked(all));
    list.Click(0, false);
    EXPECT_TRUE(IsChecked(all));
    // Unchecking one item, then moving on, unchecks the select-all box and nothing else.
    list.Click(4, true);
    EXPECT_TRUE(IsChecked(all));
    list.Press(VK_UP);
    EXPECT_EQ(list.Highlighted(), 3);
    EXPECT_FALSE(IsChecked(all));
    EXPECT_EQ(list.Marks(), (std::array<bool, 6>{true, true, true, true, false, true}));

    dialog.Close(); // the title bar's close box: Cancel
    WaitUntil("the dialog to close", [&] { return !dialog.Visible(); });
    ExpectIdle(app);
    EXPECT_FALSE(files::Exists(Org()));
    EXPECT_FALSE(files::Exists(Log()));
}

TEST_P(FacilityTest, RegistrationWithMouseAndKeyboardStartsTheInstallerWithTheChosenFiles) {
    Prepare();
    App& app = StartReady();
    const Window dialog = OpenDialog(app, Mode::Register);
    const CheckList list(dialog.Child(kDialogIds.list));
    list.Click(3, true); // RJAF by mouse
    list.Click(0, true); // RJSA by mouse
    list.Press(VK_DOWN); // to RJSK
    list.Press(VK_DOWN); // to RJSN
    list.Press(VK_SPACE);
    list.Press(VK_DOWN);
    list.Press(VK_DOWN);
    list.Press(VK_DOWN); // to ROKJ
    list.Press(VK_SPACE);
    list.Press(VK_DOWN); // stays on the last item
    EXPECT_EQ(list.Highlighted(), 5);
    EXPECT_EQ(list.Marks(), (std::array<bool, 6>{true, false, true, true, false, true}));
    dialog.Child(kDialogIds.ok).PostClick();

    const FacilityBoxes boxes = ExpectedBoxes(Lang(), Mode::Register);
    ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
    ExpectBox(app, boxes.completed, BoxKind::Information, IDOK);
    ExpectIdle(app);
    EXPECT_EQ(WaitForLog(1), Started("New\\AFCAD1_RJSA.TXT New\\AFCAD1_RJSN.TXT New\\AFCAD1_RJAF.TXT "
                                     "New\\AFCAD1_ROKJ.TXT"));
    EXPECT_TRUE(files::HasBytes(Org(), "BGL facility data as installed"));
    EXPECT_TRUE(files::HasBytes(Bak(), "BGL facility data as installed"));
    EXPECT_TRUE(files::HasBytes(Bgl(), "BGL facility data as installed"));
}

TEST_P(FacilityTest, AllSixAndOnlyRjafGiveTheirParameterTexts) {
    Prepare();
    App& app = StartReady();
    RunToCompletion(app, Mode::Register, {0, 1, 2, 3, 4, 5});
    std::string all;
    for (const char* file : kNewFiles)
        all += (all.empty() ? "" : " ") + std::string(file);
    EXPECT_EQ(WaitForLog(1), Started(all));
    RunToCompletion(app, Mode::Restore, {3});
    EXPECT_EQ(WaitForLog(2), Started(all) + Started("Org\\RJAF.TXT"));
}

// The original copy keeps the file as the first run found it; the backup follows every run.
TEST_P(FacilityTest, OriginalIsMadeOnceAndTheBackupIsRefreshed) {
    Prepare();
    App& app = StartReady();
    RunToCompletion(app, Mode::Register, {1});
    files::WriteFile(Bgl(), "BGL changed by the installer");
    RunToCompletion(app, Mode::Restore, {1});
    EXPECT_TRUE(files::HasBytes(Org(), "BGL facility data as installed"));
    EXPECT_TRUE(files::HasBytes(Bak(), "BGL changed by the installer"));
    files::WriteFile(Bgl(), "BGL changed again");
    RunToCompletion(app, Mode::Register, {5});
    EXPECT_TRUE(files::HasBytes(Org(), "BGL facility data as installed"));
    EXPECT_TRUE(files::HasBytes(Bak(), "BGL changed again"));
    EXPECT_TRUE(files::HasBytes(Bgl(), "BGL changed again"));
    EXPECT_EQ(WaitForLog(3),
              Started("New\\AFCAD1_RJSK.TXT") + Started("Org\\RJSK.TXT") + Started("New\\AFCAD1_ROKJ.TXT"));
}

TEST_P(FacilityTest, ExistingOriginalIsNeverReplaced) {
    Prepare();
    files::WriteFile(Org(), "an older original");
    App& app = StartReady();
    RunToCompletion(app, Mode::Restore, {0});
    EXPECT_TRUE(files::HasBytes(Org(), "an older original"));
    EXPECT_TRUE(files::HasBytes(Bak(), "BGL facility data as installed"));
}

TEST_P(FacilityTest, MissingFacilityFileStopsBeforeAnyCopy) {
    Prepare();
    files::RemoveTree(Scenery());
    App& app = StartReady();
    for (const Mode mode : {Mode::Register, Mode::Restore}) {
        const Window dialog = OpenDialog(app, mode);
        dialog.Child(kDialogIds.all).Click();
        dialog.Child(kDialogIds.ok).PostClick();
        const FacilityBoxes boxes = ExpectedBoxes(Lang(), mode);
        ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
        ExpectBox(app, boxes.bglMissing, BoxKind::Error, IDOK);
        ExpectIdle(app);
    }
    EXPECT_FALSE(files::Exists(Scenery()));
    EXPECT_FALSE(files::Exists(Log()));
}

TEST_P(FacilityTest, MissingInstallerGivesTheStartErrorAfterBothCopies) {
    Prepare(false);
    App& app = StartReady();
    for (const Mode mode : {Mode::Register, Mode::Restore}) {
        const Window dialog = OpenDialog(app, mode);
        CheckList(dialog.Child(kDialogIds.list)).Click(4, true);
        dialog.Child(kDialogIds.ok).PostClick();
        const FacilityBoxes boxes = ExpectedBoxes(Lang(), mode);
        ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
        ExpectBox(app, boxes.notStarted, BoxKind::Error, IDOK);
        ExpectIdle(app);
        EXPECT_TRUE(files::HasBytes(Org(), "BGL facility data as installed"));
        EXPECT_TRUE(files::HasBytes(Bak(), "BGL facility data as installed"));
    }
}

// A folder in the original copy's place: the copy fails, no backup, no installer.
TEST_P(FacilityTest, FailedOriginalCopyStops) {
    Prepare();
    files::MakeFolder(Org());
    App& app = StartReady();
    const Window dialog = OpenDialog(app, Mode::Register);
    CheckList(dialog.Child(kDialogIds.list)).Click(0, true);
    dialog.Child(kDialogIds.ok).PostClick();
    const FacilityBoxes boxes = ExpectedBoxes(Lang(), Mode::Register);
    ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
    ExpectBox(app, boxes.copyFailed, BoxKind::Error, IDOK);
    ExpectIdle(app);
    EXPECT_TRUE(files::IsFolder(Org()));
    EXPECT_FALSE(files::Exists(Bak()));
    EXPECT_FALSE(files::Exists(Log()));
}

TEST_P(FacilityTest, CancelCloseAndNoTouchNothing) {
    Prepare();
    App& app = StartReady();
    for (const Mode mode : {Mode::Register, Mode::Restore}) {
        Window dialog = OpenDialog(app, mode);
        dialog.Child(kDialogIds.all).Click();
        dialog.Child(kDialogIds.cancel).PostClick();
        WaitUntil("the dialog to close", [&] { return !dialog.Visible(); });
        ExpectIdle(app);

        dialog = OpenDialog(app, mode);
        dialog.Child(kDialogIds.all).Click();
        dialog.Close();
        WaitUntil("the dialog to close", [&] { return !dialog.Visible(); });
        ExpectIdle(app);

        dialog = OpenDialog(app, mode);
        dialog.Child(kDialogIds.all).Click();
        dialog.Child(kDialogIds.ok).PostClick();
        ExpectBox(app, ExpectedBoxes(Lang(), mode).question, BoxKind::Question, IDNO);
        ExpectIdle(app);
    }
    EXPECT_EQ(files::List(Scenery()), std::vector<std::string>{"japanafd.bgl"});
    EXPECT_FALSE(files::Exists(Log()));
}

TEST_P(FacilityTest, NothingChosenAsksThenWarns) {
    Prepare();
    App& app = StartReady();
    for (const Mode mode : {Mode::Register, Mode::Restore}) {
        OpenDialog(app, mode).Child(kDialogIds.ok).PostClick();
        const FacilityBoxes boxes = ExpectedBoxes(Lang(), mode);
        ExpectBox(app, boxes.question, BoxKind::Question, IDYES);
        ExpectBox(app, boxes.nothingChosen, BoxKind::Warning, IDOK);
        ExpectIdle(app);
    }
    EXPECT_EQ(files::List(Scenery()), std::vector<std::string>{"japanafd.bgl"});
    EXPECT_FALSE(files::Exists(Log()));
}

// A simulator folder typed with trailing backslashes gives the same paths.
TEST_P(FacilityTest, TrailingBackslashesOfTheBoxAreIgnored) {
    Prepare();
    App& app = StartReady();
    const Window box = app.Control(app.Ids().box);
    box.Erase();
    box.Type(files::Join(kRoot, "FS2002") + "\\\\\\");
    RunToCompletion(app, Mode::Register, {2});
    EXPECT_TRUE(files::HasBytes(Org(), "BGL facility data as installed"));
    EXPECT_EQ(WaitForLog(1), Started("New\\AFCAD1_RJSN.TXT"));
}

TEST_P(FacilityTest, OverlongFolderIsRefusedBeforeAnything) {
    Prepare();
    App& app = StartReady();
    const Window box = app.Control(app.Ids().box);
    const std::string folder = "C:\\" + std::string(220, 'f');
    box.Erase();
    box.Type(folder);
    const Window dialog = OpenDialog(app, Mode::Register);
    CheckList(dialog.Child(kDialogIds.list)).Click(0, true);
    dialog.Child(kDialogIds.ok).PostClick();
    ExpectBox(app, ExpectedBoxes(Lang(), Mode::Register).question, BoxKind::Question, IDYES);
    const std::string path = folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl";
    ExpectBox(app,
              Lang() == Language::Japanese
                  ? BoxTexts{"パスが長すぎます。\n" + path + "\n処理を中止します。", "エラー"}
                  : BoxTexts{"The path is too long.\n" + path + "\nThe process will be stopped.", "Error"},
              BoxKind::Error, IDOK);
    ExpectIdle(app);
    EXPECT_FALSE(files::Exists(Log()));
}

// Started from another folder, the program still makes its own folder current, and the shell
// finds the installer there.
TEST_P(FacilityTest, InstallerRunsInTheProgramsFolder) {
    Prepare();
    const std::string exe = files::Join(SetupFolder(), "Quillet2002.exe");
    files::Copy(ProgramPath(2002), exe);
    App app(2002, Process::Start(exe, kRoot));
    app.WaitForMainWindow(ExpectedMainWindow(2002, Lang()).caption);
    RunToCompletion(app, Mode::Restore, {5});
    EXPECT_EQ(WaitForLog(1), Started("Org\\ROKJ.TXT"));
}

INSTANTIATE_TEST_SUITE_P(Languages, FacilityTest, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return std::string(LanguageName(info.param)); });

} // namespace
} // namespace e2e
