#include "app/MainDesign.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "env/Language.h"
#include "framework/RegistryReader.h"
#include "framework/headless/HeadlessBackend.h"
#include "tests/unit/support/Fakes.h"
#include "ui/Unit3.h"

#include <gtest/gtest.h>

namespace {

using platform::RegRoot;
using Box = fw::HeadlessBackend::Box;

constexpr const char* kPackageKey = "Software\\Vellmora\\PRQ_DL\\Pellarin2";

// Runs one edition's start-up against a fake registry and system; user actions are posted to
// the headless message loop before Start() and run in order.
class MainWindowTest : public ::testing::TestWithParam<const MainWindowEdition*> {
protected:
    void SetUp() override { Reset(); }
    // A new machine: no other copy running, only the package registered; for tables of cases.
    void Reset() {
        Flag_Busy = false;
        Flag_Japanese = false;
        backend = fw::HeadlessBackend();
        system = test::FakeSystem();
        registry = test::FakeRegistry();
        registry.SetText(RegRoot::LocalMachine, kPackageKey, "Path", "D:\\Ambrello\\");
    }
    const MainWindowEdition& Edition() const { return *GetParam(); }
    std::string FsKey() const {
        return std::string("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\") +
               (Edition().fsIndex == 0 ? "9.0" : "8.0");
    }
    void Japanese() { registry.SetText(RegRoot::CurrentUser, "Control Panel\\International", "Locale", "00000411"); }
    void SimulatorAt(const std::string& path) { registry.SetText(RegRoot::LocalMachine, FsKey(), "EXE Path", path); }
    void Then(std::function<void()> action) { backend.Post(std::move(action)); }
    void Start() {
        app = std::make_unique<fw::TApplication>(backend);
        EXPECT_EQ(RunProgram(*app, MainContext{Edition(), registry, system, {}}, {}), 0);
    }
    std::vector<fw::TButton*> OperationButtons() const {
        std::vector<fw::TButton*> buttons{MainF->Button_ScnAdd, MainF->Button_ScnDel};
        if (MainF->Button_AfdAdd)
            buttons.insert(buttons.end(), {MainF->Button_AfdAdd, MainF->Button_AfdRes});
        return buttons;
    }
    void ExpectOperationButtons(bool enabled) const {
        for (fw::TButton* button : OperationButtons())
            EXPECT_EQ(button->Enabled(), enabled) << button->Name();
    }
    void ExpectBoxes(const std::vector<Box>& expected) const {
        ASSERT_EQ(backend.Boxes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(backend.Boxes()[i].kind, expected[i].kind) << i;
            EXPECT_EQ(backend.Boxes()[i].text, expected[i].text) << i;
            EXPECT_EQ(backend.Boxes()[i].caption, expected[i].caption) << i;
        }
    }

    fw::HeadlessBackend backend;
    test::FakeRegistry registry;
    test::FakeSystem system;
    std::unique_ptr<fw::TApplication> app;
};

bool Is2002(const MainWindowEdition& e) {
    return e.year == 2002;
}

TEST_P(MainWindowTest, JapaneseTextsAreTheDesignsOwn) {
    Japanese();
    Start();
    EXPECT_TRUE(Flag_Japanese);
    EXPECT_EQ(app->Title(), "Setup Tool (KQ9)");
    EXPECT_EQ(MainF->Caption(), Is2002(Edition()) ? "Ambrello ダウンロード版 第2集 （FS2002各種設定ツール）"
                                                  : "Ambrello ダウンロード版 第2集 （FS2004各種設定ツール）");
    EXPECT_EQ(MainF->GroupBox->Text(),
              Is2002(Edition()) ? " Microsoft Flight Simulator 2002 " : " Microsoft Flight Simulator 2004 翼の創世紀 ");
    EXPECT_EQ(MainF->Button_End->Text(), "終了");
    EXPECT_EQ(MainF->Button_Support->Text(), "サポート用");
    EXPECT_EQ(MainF->Button_Browse->Text(), "参照");
    EXPECT_EQ(MainF->Button_ScnAdd->Text(), "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの登録");
    EXPECT_EQ(MainF->Button_ScnDel->Text(), "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの削除");
    if (Is2002(Edition())) {
        EXPECT_EQ(MainF->Button_AfdAdd->Text(), "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの登録");
        EXPECT_EQ(MainF->Button_AfdRes->Text(), "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの復元");
    } else {
        EXPECT_EQ(MainF->Button_AfdAdd, nullptr);
    }
    EXPECT_EQ(Form3->Caption(), "サポート用");
    EXPECT_EQ(Form3->GroupBox1->Text(), " アドオンソフトのインストール先 ");
    EXPECT_EQ(Form3->Panel1->Text(),
              " こちらの画面に表示される内容はサポート用ですので通常使用されることはありません。");
    EXPECT_EQ(Form3->Button_OK->Text(), "OK");
    EXPECT_TRUE(backend.Boxes().empty());
}

TEST_P(MainWindowTest, EnglishTexts) {
    Start();
    EXPECT_FALSE(Flag_Japanese);
    EXPECT_EQ(MainF->Caption(), std::string("Ambrello Download Version Vol.2 - Setup Tool for FS") +
                                    (Is2002(Edition()) ? "2002" : "2004"));
    // The FS2002 edition's group box keeps its caption in English.
    EXPECT_EQ(MainF->GroupBox->Text(),
              Is2002(Edition()) ? " Microsoft Flight Simulator 2002 " : " Microsoft Flight Simulator 2004 ");
    EXPECT_EQ(MainF->Button_End->Text(), "Exit");
    EXPECT_EQ(MainF->Button_Support->Text(), "For support");
    EXPECT_EQ(MainF->Button_Browse->Text(), "Change");
    EXPECT_EQ(MainF->Button_ScnAdd->Text(), "Register the scenery library");
    EXPECT_EQ(MainF->Button_ScnDel->Text(), "Delete the scenery library");
    if (Is2002(Edition())) {
        EXPECT_EQ(MainF->Button_AfdAdd->Text(), "Register the AFCAD file");
        EXPECT_EQ(MainF->Button_AfdRes->Text(), "Restore the AFCAD file");
    }
    EXPECT_EQ(Form3->Caption(), "For support");
    EXPECT_EQ(Form3->GroupBox1->Text(), " Ambrello Download Version Vol.2 installation folder ");
    EXPECT_EQ(Form3->Panel1->Text(), "");
    EXPECT_EQ(Form3->Button_OK->Text(), "OK");
}

TEST_P(MainWindowTest, BoxFollowsTheRegistryAndTheButtonsFollowTheBox) {
    const struct {
        const char* what;
        std::optional<std::string> registered; // nullopt: no simulator key at all
        std::string box;
    } cases[] = {
        {"no key", std::nullopt, ""},
        {"empty value", std::string(""), ""},
        {"trailing backslash kept", std::string("C:\\FS\\"), "C:\\FS\\"},
        {"blanks kept", std::string(" E:\\Games "), " E:\\Games "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        if (c.registered)
            SimulatorAt(*c.registered);
        Start();
        EXPECT_EQ(MainF->Edit_FS->Text(), c.box);
        ExpectOperationButtons(!c.box.empty());
        for (fw::TControl* control :
             {static_cast<fw::TControl*>(MainF->Button_End), static_cast<fw::TControl*>(MainF->Button_Support),
              static_cast<fw::TControl*>(MainF->Edit_FS), static_cast<fw::TControl*>(MainF->Button_Browse)})
            EXPECT_TRUE(control->Enabled()) << control->Name();
    }
}

TEST_P(MainWindowTest, TypingEnablesAndErasingDisables) {
    Start();
    MainF->Edit_FS->UserSetText("C");
    ExpectOperationButtons(true);
    MainF->Edit_FS->UserSetText("C:\\FS9");
    ExpectOperationButtons(true);
    MainF->Edit_FS->UserSetText("");
    ExpectOperationButtons(false);
}

TEST_P(MainWindowTest, ProgramFolderBecomesTheCurrentDirectory) {
    const struct {
        std::string module, folder;
    } cases[] = {{"D:\\Setup\\Quillet.exe", "D:\\Setup"}, {"C:\\Quillet.exe", "C:"}, {"Quillet.exe", "Quillet.exe"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        Reset();
        system.moduleFileName = c.module;
        Start();
        ASSERT_EQ(system.directoriesSet.size(), 1u);
        EXPECT_EQ(system.directoriesSet[0], c.folder);
    }
}

TEST_P(MainWindowTest, PackageFolderMissingEndsTheProgram) {
    const struct {
        const char* what;
        bool japanese;
        bool keyPresent;
    } cases[] = {{"no key, English", false, false}, {"no key, Japanese", true, false}, {"empty value", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        registry = test::FakeRegistry();
        if (c.japanese)
            Japanese();
        if (c.keyPresent)
            registry.SetText(RegRoot::LocalMachine, kPackageKey, "Path", "");
        bool userActed = false;
        Then([&] { userActed = true; });
        Start();
        ExpectBoxes(
            {c.japanese
                 ? Box{fw::MsgKind::Error,
                       "アドオンソフトのインストール先が見つかりません。大変恐れ入りますが処理を中止します。", "エラー"}
                 : Box{fw::MsgKind::Error,
                       "Installation place of the add-on software dose not found.\nThe process will be stopped.",
                       "Error"}});
        EXPECT_TRUE(backend.QuitPosted());
        EXPECT_FALSE(userActed);
        EXPECT_EQ(MainF->AddonPath, "");
        EXPECT_EQ(Form3->Edit_Addons->Text(), "");
        // Start-up still ran to the end: the window was shown and the mutex taken.
        EXPECT_TRUE(MainF->MutexTaken);
    }
}

TEST_P(MainWindowTest, OverlongPackageFolderIsRefused) {
    const std::string longPath = "D:\\" + std::string(257, 'a');
    registry.SetText(RegRoot::LocalMachine, kPackageKey, "Path", longPath);
    Start();
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].kind, fw::MsgKind::Error);
    EXPECT_NE(backend.Boxes()[0].text.find(longPath), std::string::npos);
    EXPECT_TRUE(backend.QuitPosted());
    EXPECT_EQ(MainF->AddonPath, "");
}

TEST_P(MainWindowTest, SecondCopyOfTheSameEditionIsRefused) {
    system.takenMutexes = {Edition().mutexName};
    bool userActed = false;
    Then([&] { userActed = true; });
    Start();
    ExpectBoxes({{fw::MsgKind::Error, "It cannot run plural programs on same time.", "Error"}});
    EXPECT_TRUE(backend.QuitPosted());
    EXPECT_FALSE(userActed);
    EXPECT_FALSE(MainF->MutexTaken);
}

TEST_P(MainWindowTest, TheOtherEditionsCopyDoesNotMatter) {
    system.takenMutexes = {Is2002(Edition()) ? "KQ9-FS2004" : "KQ9-FS2002"};
    Start();
    EXPECT_TRUE(backend.Boxes().empty());
    EXPECT_EQ(system.mutexesCreated, std::vector<std::string>{Edition().mutexName});
    EXPECT_TRUE(MainF->MutexTaken);
    EXPECT_FALSE(backend.QuitPosted());
}

TEST_P(MainWindowTest, PackageMissingAndAlreadyRunningShowBothBoxes) {
    registry = test::FakeRegistry();
    Japanese();
    system.takenMutexes = {Edition().mutexName};
    Start();
    ASSERT_EQ(backend.Boxes().size(), 2u);
    EXPECT_EQ(backend.Boxes()[0].text,
              "アドオンソフトのインストール先が見つかりません。大変恐れ入りますが処理を中止します。");
    EXPECT_EQ(backend.Boxes()[1].text, "複数起動することは出来ません。");
}

TEST_P(MainWindowTest, ToggleBusyFlipsTheBoxControlsAndTheOperationButtonsOnlyWithText) {
    for (const std::string box : {"", "C:\\FS"}) {
        SCOPED_TRACE(box);
        Reset();
        Start();
        MainF->Edit_FS->SetText(box);
        const bool hasText = !box.empty();
        MainF->ToggleBusy();
        EXPECT_TRUE(Flag_Busy);
        EXPECT_FALSE(MainF->Button_Support->Enabled());
        EXPECT_FALSE(MainF->Button_End->Enabled());
        EXPECT_FALSE(MainF->Edit_FS->Enabled());
        EXPECT_FALSE(MainF->Button_Browse->Enabled());
        ExpectOperationButtons(false);
        MainF->ToggleBusy();
        EXPECT_FALSE(Flag_Busy);
        EXPECT_TRUE(MainF->Button_Support->Enabled());
        EXPECT_TRUE(MainF->Button_End->Enabled());
        EXPECT_TRUE(MainF->Edit_FS->Enabled());
        EXPECT_TRUE(MainF->Button_Browse->Enabled());
        ExpectOperationButtons(hasText);
    }
}

TEST_P(MainWindowTest, SupportDialogShowsThePackageFolderAndClosesEitherWay) {
    SimulatorAt("C:\\FS");
    std::vector<std::string> shown;
    std::vector<int> results;
    auto look = [&](fw::TForm&) {
        shown.push_back(Form3->Edit_Addons->Text());
        EXPECT_TRUE(Flag_Busy);
        EXPECT_FALSE(MainF->Button_Support->Enabled());
        EXPECT_FALSE(Form3->Edit_Addons->Enabled());
    };
    backend.OnNextModal([&](fw::TForm& form) {
        look(form);
        Form3->Button_OK->UserClick();
        results.push_back(form.ModalResult());
    });
    backend.OnNextModal([&](fw::TForm& form) {
        look(form);
        form.UserClose();
        results.push_back(form.ModalResult());
    });
    Then([] { MainF->Button_Support->UserClick(); });
    Then([] { MainF->Button_Support->UserClick(); });
    Start();
    EXPECT_EQ(shown, (std::vector<std::string>{"D:\\Ambrello\\", "D:\\Ambrello\\"}));
    EXPECT_EQ(results, (std::vector<int>{fw::mrOk, fw::mrCancel}));
    EXPECT_FALSE(Flag_Busy);
    EXPECT_TRUE(MainF->Button_Support->Enabled());
    ExpectOperationButtons(true);
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_P(MainWindowTest, ClosingWhileBusyIsRefusedAndWhileIdleEndsTheProgram) {
    for (bool japanese : {false, true}) {
        SCOPED_TRACE(japanese);
        Reset();
        if (japanese)
            Japanese();
        backend.OnNextModal([](fw::TForm& form) {
            MainF->UserClose();
            EXPECT_TRUE(MainF->Visible());
            form.SetModalResult(fw::mrOk);
        });
        Then([] { MainF->Button_Support->UserClick(); });
        Then([this] { EXPECT_FALSE(backend.QuitPosted()); });
        Then([] { MainF->UserClose(); });
        Start();
        ExpectBoxes({japanese ? Box{fw::MsgKind::Warning, "各種設定処理中のため終了することは出来ません。", "警告"}
                              : Box{fw::MsgKind::Warning, "You can't finish the program because under processing.",
                                    "Warning"}});
        EXPECT_TRUE(backend.QuitPosted());
        EXPECT_FALSE(MainF->Visible());
    }
}

TEST_P(MainWindowTest, ExitEndsWithoutAskingEvenWhenCloseWouldBeRefused) {
    bool asked = false;
    Then([&] {
        MainF->OnCloseQuery = [&](bool&) { asked = true; };
        MainF->Button_End->UserClick();
    });
    Then([] { ADD_FAILURE() << "the loop went on after Exit"; });
    Start();
    EXPECT_TRUE(backend.QuitPosted());
    EXPECT_FALSE(asked);
    EXPECT_TRUE(backend.Boxes().empty());
}

TEST_P(MainWindowTest, BrowseFillsTheBoxUnlessCancelled) {
    for (bool japanese : {false, true}) {
        SCOPED_TRACE(japanese);
        Reset();
        if (japanese)
            Japanese();
        SimulatorAt("C:\\Old");
        Start();
        system.pickerResult = "";
        MainF->Button_Browse->UserClick();
        EXPECT_EQ(MainF->Edit_FS->Text(), "C:\\Old");
        system.pickerResult = "E:\\";
        MainF->Button_Browse->UserClick();
        EXPECT_EQ(MainF->Edit_FS->Text(), "E:\\");
        ASSERT_EQ(system.pickerTitles.size(), 2u);
        EXPECT_EQ(system.pickerTitles[0], Tr(Edition().pickerTitle));
        EXPECT_FALSE(Flag_Busy);
    }
    EXPECT_EQ(std::string(Edition().pickerTitle.en), Is2002(Edition())
                                                         ? "Please set up an installation place of FS2002."
                                                         : "Please set up an installation place of FS2004.");
}

TEST_P(MainWindowTest, WrongRegistryTypeEndsWithTheExceptionBox) {
    registry.Set(RegRoot::LocalMachine, FsKey(), "EXE Path", {platform::kRegDword, std::string("\1\0\0\0", 4)});
    Then([] { ADD_FAILURE() << "the program went on"; });
    Start();
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].kind, fw::MsgKind::Error);
    EXPECT_EQ(backend.Boxes()[0].caption, "Setup Tool (KQ9)");
    EXPECT_EQ(backend.Boxes()[0].text, "Invalid data type for 'EXE Path'.");
}

TEST_P(MainWindowTest, AnErrorInsideAnOperationGivesTheWindowBack) {
    SimulatorAt("C:\\FS");
    backend.OnNextModal([](fw::TForm&) { throw fw::Exception("Broken"); });
    Then([] { MainF->Button_Support->UserClick(); });
    Start();
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, "Broken.");
    EXPECT_FALSE(Flag_Busy);
    EXPECT_TRUE(MainF->Button_End->Enabled());
    ExpectOperationButtons(true);
}

INSTANTIATE_TEST_SUITE_P(Editions, MainWindowTest, ::testing::Values(&kMainWindow2002, &kMainWindow2004),
                         [](const auto& info) { return "FS" + std::to_string(info.param->year); });

} // namespace
