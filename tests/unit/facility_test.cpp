#include "app/MainDesign.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "env/Language.h"
#include "facility/Facility.h"
#include "facility/Unit2.h"
#include "framework/headless/HeadlessBackend.h"
#include "tests/unit/support/Fakes.h"
#include "ui/Unit3.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Box = fw::HeadlessBackend::Box;
using fw::MsgKind;

constexpr const char* kSceneryFolder = "Scenedb/AFDFILES/scenery";

// A simulator folder of its own in the system's temp folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "facility-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The boxes of one mode in one language, as the user reads them.
struct ModeBoxes {
    Box question, nothingChosen, bglMissing, copyFailed, notStarted, completed;
};

ModeBoxes BoxesOf(FacilityMode mode, bool japanese) {
    const bool reg = mode == FacilityMode::Register;
    if (japanese) {
        const std::string verb = reg ? "登録" : "復元";
        return {
            {MsgKind::Question, "ファシリティ・データの" + verb + "を行ってもよろしいですか？", "確認"},
            {MsgKind::Warning, verb + "されるファシリティ・データはありませんでした。", "警告"},
            {MsgKind::Error, "japanafd.bglが見つかりません。ファシリティ・データの" + verb + "を中止します。",
             "エラー"},
            {MsgKind::Error,
             "japanafd.bglを保存中にエラーが発生しました。ファシリティ・データの" + verb + "を中止します。", "エラー"},
            {MsgKind::Error, "ファシリティ・データの" + verb + "中にエラーが発生しました。", "エラー"},
            {MsgKind::Information, "ファシリティ・データの" + verb + "が完了しました。", "確認"},
        };
    }
    if (reg)
        return {
            {MsgKind::Question, "May I register the AFCAD file?", "Question"},
            {MsgKind::Warning, "There are no registered AFCAD file.", "Warning"},
            {MsgKind::Error, "\"Japanafd.bgl\"dose not found.\nRegistration of the AFCAD file is stopped.", "Error"},
            {MsgKind::Error,
             "An error occured during copying \"japanafd.bgl\" file.\nRegistration of the AFCAD file is stopped.",
             "Error"},
            {MsgKind::Error, "An error occured during registering the AFCAD file.", "Error"},
            {MsgKind::Information, "Registration of the AFCAD file was completed.", "Completed"},
        };
    return {
        {MsgKind::Question, "May I restore the AFCAD file?", "Question"},
        {MsgKind::Warning, "There was no restored AFCAD file.", "Warning"},
        {MsgKind::Error, "\"Japanafd.bgl\"dose not found.\nRestoring the AFCAD file is stopped.", "Error"},
        {MsgKind::Error, "An error occured during copying \"japanafd.bgl\" file.\nRestoring the AFCAD file is stopped.",
         "Error"},
        {MsgKind::Error, "An error occured during restoring the AFCAD file.", "Error"},
        {MsgKind::Information, "Restoring the AFCAD file was completed.", "Completed"},
    };
}

struct Language {
    bool japanese;
    const char* name;
};
const Language kLanguages[] = {{true, "Japanese"}, {false, "English"}};
const FacilityMode kModes[] = {FacilityMode::Register, FacilityMode::Restore};
const std::vector<int> kAllAirports{0, 1, 2, 3, 4, 5};

// One facility run against a simulator folder in a temp folder, with the dialog and the boxes
// answered by the script set up before Run().
class FacilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        AFD_DATA = {};
        Flag_Syncing = false;
        Flag_Japanese = false;
        system.currentDirectory = "C:\\Games\\Quillet";
    }
    void Language(bool japanese) {
        Flag_Japanese = japanese;
        dialog.reset();
    }
    TForm2& Dialog() {
        if (!dialog)
            dialog = std::make_unique<TForm2>(app);
        return *dialog;
    }
    fs::path Scenery() const { return sim.Path() / kSceneryFolder; }
    fs::path Bgl() const { return Scenery() / "japanafd.bgl"; }
    fs::path Org() const { return Scenery() / "japanafd.QZ_ORG"; }
    fs::path Bak() const { return Scenery() / "japanafd.QZ_BAK"; }
    void Facility(const std::string& bytes) { WriteFile(Bgl(), bytes); }

    // The user checks these items by clicking their check boxes, then presses OK.
    void UserChecks(std::vector<int> items) {
        backend.OnNextModal([items](fw::TForm& shown) {
            auto& d = static_cast<TForm2&>(shown);
            for (int i : items)
                d.Check_Airport->UserClickItem(i, true);
            d.Button_OK->UserClick();
        });
    }
    void Answer(fw::MsgResult answer) { backend.AnswerNextBox(answer); }
    void Run(FacilityMode mode, const std::string& box) { RunFacility(mode, box, backend, system, Dialog()); }
    void Run(FacilityMode mode) { Run(mode, sim.Path().string()); }
    // A run in which the user checks `items`, presses OK and answers Yes.
    void RunChoosing(FacilityMode mode, std::vector<int> items, const std::string& box) {
        UserChecks(std::move(items));
        Answer(fw::MsgResult::Yes);
        Run(mode, box);
    }
    void RunChoosing(FacilityMode mode, std::vector<int> items) {
        RunChoosing(mode, std::move(items), sim.Path().string());
    }
    // `run` once for each mode in each language, with the boxes of the last round cleared.
    void ForEachModeAndLanguage(const std::function<void(FacilityMode, const ModeBoxes&)>& run) {
        for (const auto& lang : kLanguages)
            for (FacilityMode mode : kModes) {
                SCOPED_TRACE(std::string(lang.name) +
                             (mode == FacilityMode::Register ? " registration" : " restoration"));
                Language(lang.japanese);
                backend.ClearBoxes();
                run(mode, BoxesOf(mode, lang.japanese));
            }
    }

    void ExpectBoxes(const std::vector<Box>& expected) const {
        ASSERT_EQ(backend.Boxes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i].text);
            EXPECT_EQ(backend.Boxes()[i].kind, expected[i].kind);
            EXPECT_EQ(backend.Boxes()[i].text, expected[i].text);
            EXPECT_EQ(backend.Boxes()[i].caption, expected[i].caption);
        }
        EXPECT_TRUE(backend.Faults().empty());
    }
    // Nothing on disk but what the test put there.
    void ExpectNoCopies() const {
        EXPECT_FALSE(fs::exists(Org()));
        EXPECT_FALSE(fs::exists(Bak()));
    }

    TempFolder sim;
    fw::HeadlessBackend backend;
    fw::TApplication app{backend};
    test::FakeSystem system;
    std::unique_ptr<TForm2> dialog;
};

TEST_F(FacilityTest, VerbAndClearedFlagsReachTheDialog) {
    struct Case {
        FacilityMode mode;
        bool japanese;
        const char* verb;
    };
    const Case cases[] = {{FacilityMode::Register, true, "登録"},
                          {FacilityMode::Restore, true, "復元"},
                          {FacilityMode::Register, false, "registers"},
                          {FacilityMode::Restore, false, "restores"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.verb);
        Language(c.japanese);
        AFD_DATA.Select.fill(true);
        AFD_DATA.Verb = "stale";
        std::string verb;
        std::array<bool, kAirportCount> flags{};
        flags.fill(true);
        backend.OnNextModal([&](fw::TForm& shown) {
            verb = AFD_DATA.Verb;
            flags = AFD_DATA.Select;
            static_cast<TForm2&>(shown).Button_Cancel->UserClick();
        });
        Run(c.mode);
        EXPECT_EQ(verb, c.verb);
        EXPECT_EQ(flags, (std::array<bool, kAirportCount>{}));
    }
}

TEST_F(FacilityTest, CancelOrCloseTouchesNothing) {
    Facility("original");
    for (FacilityMode mode : kModes) {
        backend.OnNextModal([](fw::TForm& shown) {
            static_cast<TForm2&>(shown).Check_All->UserClick();
            static_cast<TForm2&>(shown).Button_Cancel->UserClick();
        });
        Run(mode);
        backend.OnNextModal([](fw::TForm& shown) {
            static_cast<TForm2&>(shown).Check_All->UserClick();
            shown.UserClose();
        });
        Run(mode);
    }
    ExpectBoxes({});
    ExpectNoCopies();
    EXPECT_TRUE(system.starts.empty());
    EXPECT_EQ(backend.ModalShows(), 4);
}

TEST_F(FacilityTest, NoTouchesNothing) {
    Facility("original");
    for (FacilityMode mode : kModes) {
        backend.ClearBoxes();
        UserChecks(kAllAirports);
        Answer(fw::MsgResult::No);
        Run(mode);
        ExpectBoxes({BoxesOf(mode, false).question});
    }
    ExpectNoCopies();
    EXPECT_TRUE(system.starts.empty());
}

TEST_F(FacilityTest, NothingChosenAsksThenWarns) {
    Facility("original");
    ForEachModeAndLanguage([&](FacilityMode mode, const ModeBoxes& boxes) {
        RunChoosing(mode, {});
        ExpectBoxes({boxes.question, boxes.nothingChosen});
    });
    ExpectNoCopies();
    EXPECT_TRUE(system.starts.empty());
}

TEST_F(FacilityTest, ParameterTextListsTheChosenFilesInIndexOrder) {
    struct Case {
        FacilityMode mode;
        std::vector<int> clicks;
        const char* parameters;
    };
    const Case cases[] = {
        {FacilityMode::Register,
         {0, 1, 2, 3, 4, 5},
         "New\\AFCAD1_RJSA.TXT New\\AFCAD1_RJSK.TXT New\\AFCAD1_RJSN.TXT New\\AFCAD1_RJAF.TXT "
         "New\\AFCAD1_RJOT.TXT New\\AFCAD1_ROKJ.TXT"},
        {FacilityMode::Restore,
         {5, 4, 3, 2, 1, 0},
         "Org\\RJSA.TXT Org\\RJSK.TXT Org\\RJSN.TXT Org\\RJAF.TXT Org\\RJOT.TXT Org\\ROKJ.TXT"},
        {FacilityMode::Restore, {3}, "Org\\RJAF.TXT"},
        {FacilityMode::Register, {3}, "New\\AFCAD1_RJAF.TXT"},
        {FacilityMode::Register, {5, 0}, "New\\AFCAD1_RJSA.TXT New\\AFCAD1_ROKJ.TXT"},
        {FacilityMode::Restore, {1, 2, 2}, "Org\\RJSK.TXT"},
    };
    Facility("original");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        system.starts.clear();
        RunChoosing(c.mode, c.clicks);
        ASSERT_EQ(system.starts.size(), 1u);
        EXPECT_EQ(system.starts[0].file, "Fadrillo.exe");
        EXPECT_EQ(system.starts[0].parameters, c.parameters);
        EXPECT_EQ(system.starts[0].directory, "C:\\Games\\Quillet");
    }
    // The longest texts: 119 characters in registration, 77 in restoration.
    EXPECT_EQ(std::string(cases[0].parameters).size(), 119u);
    EXPECT_EQ(std::string(cases[1].parameters).size(), 77u);
}

TEST_F(FacilityTest, FirstRunMakesBothCopiesAndStartsTheInstaller) {
    const std::string bytes("facility\0data", 13);
    ForEachModeAndLanguage([&](FacilityMode mode, const ModeBoxes& boxes) {
        fs::remove(Org());
        fs::remove(Bak());
        Facility(bytes);
        RunChoosing(mode, {2});
        ExpectBoxes({boxes.question, boxes.completed});
        EXPECT_EQ(ReadFile(Org()), bytes);
        EXPECT_EQ(ReadFile(Bak()), bytes);
        EXPECT_EQ(ReadFile(Bgl()), bytes);
    });
    EXPECT_EQ(system.starts.size(), 4u);
}

TEST_F(FacilityTest, OriginalIsMadeOnceAndTheBackupFollowsEveryRun) {
    Facility("as installed");
    RunChoosing(FacilityMode::Register, kAllAirports);
    // The installer changed the facility file; restoration keeps the copies the same way.
    Facility("after registration");
    RunChoosing(FacilityMode::Restore, {0});
    EXPECT_EQ(ReadFile(Org()), "as installed");
    EXPECT_EQ(ReadFile(Bak()), "after registration");
    Facility("after restoration");
    RunChoosing(FacilityMode::Register, {1});
    EXPECT_EQ(ReadFile(Org()), "as installed");
    EXPECT_EQ(ReadFile(Bak()), "after restoration");
    EXPECT_EQ(ReadFile(Bgl()), "after restoration");
    EXPECT_EQ(system.starts.size(), 3u);
}

TEST_F(FacilityTest, MissingFacilityFileStopsBeforeAnyCopy) {
    ForEachModeAndLanguage([&](FacilityMode mode, const ModeBoxes& boxes) {
        RunChoosing(mode, kAllAirports);
        ExpectBoxes({boxes.question, boxes.bglMissing});
    });
    EXPECT_FALSE(fs::exists(Scenery()));
    EXPECT_TRUE(system.starts.empty());
}

TEST_F(FacilityTest, FolderNamedLikeTheFacilityFileIsNotFound) {
    fs::create_directories(Bgl());
    RunChoosing(FacilityMode::Register, kAllAirports);
    ExpectBoxes({BoxesOf(FacilityMode::Register, false).question, BoxesOf(FacilityMode::Register, false).bglMissing});
    ExpectNoCopies();
    EXPECT_TRUE(system.starts.empty());
}

// A folder in the original copy's place makes that copy fail: no backup, no installer.
TEST_F(FacilityTest, FailedOriginalCopyStops) {
    Facility("original");
    fs::create_directories(Org());
    ForEachModeAndLanguage([&](FacilityMode mode, const ModeBoxes& boxes) {
        RunChoosing(mode, kAllAirports);
        ExpectBoxes({boxes.question, boxes.copyFailed});
    });
    EXPECT_TRUE(fs::is_directory(Org()));
    EXPECT_FALSE(fs::exists(Bak()));
    EXPECT_TRUE(system.starts.empty());
}

TEST_F(FacilityTest, FailedBackupCopyPassesSilently) {
    Facility("original");
    fs::create_directories(Bak());
    RunChoosing(FacilityMode::Register, {4});
    ExpectBoxes({BoxesOf(FacilityMode::Register, false).question, BoxesOf(FacilityMode::Register, false).completed});
    EXPECT_EQ(ReadFile(Org()), "original");
    EXPECT_TRUE(fs::is_directory(Bak()));
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].parameters, "New\\AFCAD1_RJOT.TXT");
}

TEST_F(FacilityTest, ShellResultUpTo32IsTheStartErrorAfterBothCopies) {
    Facility("original");
    const long results[] = {0, 2, 5, 31, 32};
    ForEachModeAndLanguage([&](FacilityMode mode, const ModeBoxes& boxes) {
        for (long result : results) {
            SCOPED_TRACE(result);
            fs::remove(Org());
            fs::remove(Bak());
            backend.ClearBoxes();
            system.shellResult = result;
            RunChoosing(mode, {0});
            ExpectBoxes({boxes.question, boxes.notStarted});
            EXPECT_EQ(ReadFile(Org()), "original");
            EXPECT_EQ(ReadFile(Bak()), "original");
        }
    });
    system.shellResult = 33;
    backend.ClearBoxes();
    RunChoosing(FacilityMode::Restore, {0});
    ExpectBoxes({BoxesOf(FacilityMode::Restore, false).question, BoxesOf(FacilityMode::Restore, false).completed});
}

TEST_F(FacilityTest, TrailingBackslashesOfTheFolderAreIgnored) {
    Facility("original");
    const std::string folder = sim.Path().string();
    RunChoosing(FacilityMode::Register, {0}, folder + "\\\\\\");
    EXPECT_EQ(AFD_DATA.BglFile, folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl");
    EXPECT_EQ(AFD_DATA.OrgFile, folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.QZ_ORG");
    EXPECT_EQ(AFD_DATA.BakFile, folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.QZ_BAK");
    EXPECT_EQ(ReadFile(Org()), "original");
    EXPECT_EQ(system.starts.size(), 1u);
}

// The paths must fit the Windows limit of 259 characters; the copies' names are the longest.
TEST_F(FacilityTest, OverlongPathStopsBeforeAnything) {
    const std::string bglSuffix = "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl";
    const std::string orgSuffix = "\\Scenedb\\AFDFILES\\scenery\\japanafd.QZ_ORG";
    ASSERT_EQ(orgSuffix.size(), bglSuffix.size() + 3);
    struct Case {
        bool japanese;
        std::size_t folderLength;
        bool refused;
    };
    const Case cases[] = {
        {false, 259 - orgSuffix.size(), false}, // every path exactly fits: on to the file test
        {false, 260 - orgSuffix.size(), true},  // the facility file fits, its copies do not
        {true, 260 - orgSuffix.size(), true},
        {false, 300, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folderLength);
        Language(c.japanese);
        backend.ClearBoxes();
        const std::string folder = "C:\\" + std::string(c.folderLength - 3, 'f');
        RunChoosing(FacilityMode::Register, kAllAirports, folder + "\\");
        const ModeBoxes boxes = BoxesOf(FacilityMode::Register, c.japanese);
        if (!c.refused) {
            ExpectBoxes({boxes.question, boxes.bglMissing});
            continue;
        }
        // The first path that does not fit is the one shown.
        const std::string refused = folder.size() + bglSuffix.size() > 259 ? folder + bglSuffix : folder + orgSuffix;
        ExpectBoxes({boxes.question,
                     {MsgKind::Error,
                      c.japanese ? "パスが長すぎます。\n" + refused + "\n処理を中止します。"
                                 : "The path is too long.\n" + refused + "\nThe process will be stopped.",
                      c.japanese ? "エラー" : "Error"}});
    }
    EXPECT_TRUE(system.starts.empty());
}

TEST_F(FacilityTest, EmptyBoxLooksForTheFileAtTheRoot) {
    RunChoosing(FacilityMode::Restore, kAllAirports, "");
    EXPECT_EQ(AFD_DATA.BglFile, "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl");
    ExpectBoxes({BoxesOf(FacilityMode::Restore, false).question, BoxesOf(FacilityMode::Restore, false).bglMissing});
}

// The main window's facility buttons run a whole procedure between their two busy toggles.
TEST_F(FacilityTest, MainWindowButtonsRunTheProcedureWhileBusy) {
    test::FakeRegistry registry;
    registry.SetText(platform::RegRoot::LocalMachine, "Software\\Vellmora\\PRQ_DL\\Pellarin2", "Path", "D:\\Pkg");
    registry.SetText(platform::RegRoot::LocalMachine, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
                     "EXE Path", sim.Path().string() + "\\");
    Flag_Busy = false;
    MainContext context{kMainWindow2002, registry, system, [this](FacilityMode mode) {
                            RunFacility(mode, MainF->Edit_FS->Text(), backend, system, Dialog());
                        }};
    app.CreateForm(MainF, std::move(context));
    Facility("original");
    for (FacilityMode mode : kModes) {
        bool busy = false;
        bool buttonEnabled = true;
        backend.OnNextModal([&](fw::TForm& shown) {
            busy = Flag_Busy;
            buttonEnabled = MainF->Button_AfdAdd->Enabled() || MainF->Button_AfdRes->Enabled();
            auto& d = static_cast<TForm2&>(shown);
            d.Check_Airport->UserClickItem(3, true);
            d.Button_OK->UserClick();
        });
        Answer(fw::MsgResult::Yes);
        (mode == FacilityMode::Register ? MainF->Button_AfdAdd : MainF->Button_AfdRes)->UserClick();
        EXPECT_TRUE(busy);
        EXPECT_FALSE(buttonEnabled);
        EXPECT_FALSE(Flag_Busy);
        EXPECT_TRUE(MainF->Button_AfdAdd->Enabled());
        EXPECT_TRUE(MainF->Button_End->Enabled());
    }
    ASSERT_EQ(system.starts.size(), 2u);
    EXPECT_EQ(system.starts[0].parameters, "New\\AFCAD1_RJAF.TXT");
    EXPECT_EQ(system.starts[1].parameters, "Org\\RJAF.TXT");
    EXPECT_EQ(ReadFile(Org()), "original");
}

// The dialog is created after the main window, which has chosen the language, and before the
// support dialog.
TEST(AirportDialogStartup, CreatedBetweenTheMainWindowAndTheSupportDialog) {
    for (const bool japanese : {true, false}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        fw::HeadlessBackend backend;
        fw::TApplication app(backend);
        test::FakeRegistry registry;
        test::FakeSystem system;
        registry.SetText(platform::RegRoot::LocalMachine, "Software\\Vellmora\\PRQ_DL\\Pellarin2", "Path", "D:\\Pkg");
        if (japanese)
            registry.SetText(platform::RegRoot::CurrentUser, "Control Panel\\International", "Locale", "00000411");
        MainF = nullptr;
        Form2 = nullptr;
        Form3 = nullptr;
        bool mainFirst = false;
        bool supportLater = false;
        RunProgram(app, MainContext{kMainWindow2002, registry, system, {}}, [&] {
            mainFirst = MainF != nullptr;
            supportLater = Form3 == nullptr;
            app.CreateForm(Form2);
        });
        EXPECT_TRUE(mainFirst);
        EXPECT_TRUE(supportLater);
        ASSERT_NE(Form2, nullptr);
        EXPECT_NE(Form3, nullptr);
        EXPECT_EQ(Form2->Caption(), japanese ? "空港の選択" : "Select the airport");
        EXPECT_EQ(app.MainForm(), MainF);
        EXPECT_FALSE(Form2->Visible());
    }
    MainF = nullptr; // the forms went with their application
    Form2 = nullptr;
    Form3 = nullptr;
}

} // namespace
