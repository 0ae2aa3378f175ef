// The scenery buttons of both programs: register into a real scenery.cfg, register again, delete,
// the FS2004 question about the AFCAD2 area, NewScenery.CFG, the failures (no scenery.cfg,
// nothing to register, a read-only or locked file) and the three forms of the areas' Local path.
// Every box is read as the user sees it; every file is compared byte for byte.
#include "Scenario.h"
#include "SceneryTexts.h"
#include "tests/support/SavedText.h"

namespace e2e {
namespace {

using saved_text::Saved;

using namespace robot;

struct Area {
    const char* title;
    const char* folder;
};
const Area kAfcad2{"Vellmora - AFCAD2", "Addon Scenery\\Vellmora\\AFCAD2"};
const Area kAreas[] = {
    {"Vellmora - ROKJ", "Addon Scenery\\Vellmora\\ROKJ"},
    {"Vellmora - RJOT", "Addon Scenery\\Vellmora\\RJOT"},
    {"Vellmora - RJAF", "Addon Scenery\\Vellmora\\RJAF"},
    {"Vellmora - RJSN", "Addon Scenery\\Vellmora\\RJSN"},
    {"Vellmora - RJSK", "Addon Scenery\\Vellmora\\RJSK"},
    {"Vellmora - RJSA", "Addon Scenery\\Vellmora\\RJSA"},
    {"Vellmora - Vehicles(Vol.2)", "Addon Scenery\\Vellmora\\KQ9_Vehicles"},
};

// The edition's areas in their order: the FS2004 edition has the AFCAD2 area first.
std::vector<Area> AreasOf(int year) {
    std::vector<Area> areas;
    if (year == 2004)
        areas.push_back(kAfcad2);
    areas.insert(areas.end(), std::begin(kAreas), std::end(kAreas));
    return areas;
}

std::string NewSection(int number, const Area& area, const std::string& localBase, int layer) {
    return AreaSection(number, area.title, localBase + area.folder, layer);
}

// The same folder seen through another drive: Wine's Z: is the Unix root.
std::string OnOtherDrive(const std::string& path) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        throw RobotError("wine_get_unix_file_name is missing: not running under Wine?");
    const std::wstring wide(path.begin(), path.end()); // ASCII paths only
    char* name = unixName(wide.c_str());
    if (!name)
        throw RobotError("no Unix name for " + path);
    const std::string unix(name);
    HeapFree(GetProcessHeap(), 0, name);
    return files::FromUnix(unix);
}

class SceneryTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {
protected:
    int Year() const { return GetParam().year; }
    Language Lang() const { return GetParam().language; }
    const SceneryBoxes& Boxes() const { return boxes_; }

    // A simulator folder with the fixture and a package folder beside it with every area.
    void Ready(const std::string& fixture = "fsx-template-120-areas.cfg") {
        boxes_ = ExpectedSceneryBoxes(Lang());
        sim = MakeSimulatorFolder(Year(), fixture);
        package = MakePackageFolder();
        cfg = files::Join(sim, "scenery.cfg");
        backup = files::Join(sim, "scenery.QZ_BAK");
        newCfg = files::Join(sim, "NewScenery.CFG");
        SetFsPath(Year(), sim);
        SetAddonPath(package + "\\");
    }
    App& Open() {
        SetJapanese(Lang() == Language::Japanese);
        App& app = Start(Year());
        app.WaitForMainWindow(ExpectedMainWindow(Year(), Lang()).caption);
        return app;
    }
    // The next box: its kind, text and caption; then the answer.
    void Next(App& app, BoxKind kind, const BoxTexts& expected, int answer) {
        const MsgBox box = app.WaitForBox();
        EXPECT_EQ(box.Kind(), kind) << box.Describe();
        EXPECT_EQ(box.Text(), expected.text);
        EXPECT_EQ(box.Caption(), expected.caption);
        box.Answer(answer);
    }
    // The run is over: no box left, and the window is usable again.
    void Done(App& app) {
        app.ExpectNoBox();
        EXPECT_TRUE(app.Control(app.Ids().scnAdd).Enabled());
        EXPECT_TRUE(app.Control(app.Ids().end).Enabled());
    }
    void Register(App& app) {
        app.Control(app.Ids().scnAdd).PostClick();
        Next(app, BoxKind::Question, Boxes().registerQuestion, IDYES);
    }
    void Delete(App& app) {
        app.Control(app.Ids().scnDel).PostClick();
        Next(app, BoxKind::Question, Boxes().deleteQuestion, IDYES);
    }
    // The package's areas as a register run appends them after area `last` and layer `last`.
    std::string Appended(int last, const std::string& localBase = "..\\Ambrello\\") const {
        std::string sections;
        int n = last;
        for (const Area& area : AreasOf(Year())) {
            ++n;
            sections += NewSection(n, area, localBase, n);
        }
        return sections;
    }
    void ExpectCopy() {
        if (Year() == 2004)
            EXPECT_TRUE(files::SameBytes(newCfg, cfg));
        else
            EXPECT_FALSE(files::Exists(newCfg));
    }

    std::string sim, package, cfg, backup, newCfg;

private:
    SceneryBoxes boxes_;
};

TEST_P(SceneryTest, RegisterRegisterAgainDelete) {
    Ready();
    const std::string original = files::ReadFile(cfg);
    App& app = Open();

    Register(app);
    Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
    Done(app);
    const std::string registered = Saved(original) + Appended(120);
    EXPECT_TRUE(files::HasBytes(cfg, registered));
    EXPECT_TRUE(files::HasBytes(backup, original));
    ExpectCopy();

    // Again: nothing changes but the backup.
    Register(app);
    Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, registered));
    EXPECT_TRUE(files::HasBytes(backup, registered));

    // The areas go and the layers close up; FS2004: No to keeping the AFCAD2 area removes it too.
    Delete(app);
    if (Year() == 2004)
        Next(app, BoxKind::Question, Boxes().keepAfcad2, IDNO);
    Next(app, BoxKind::Information, Boxes().deleteDone, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, Saved(original)));
    EXPECT_TRUE(files::HasBytes(backup, registered));
    ExpectCopy();
    EXPECT_EQ(files::List(sim),
              (Year() == 2004 ? std::vector<std::string>{"NewScenery.CFG", "scenery.QZ_BAK", "scenery.cfg"}
                              : std::vector<std::string>{"scenery.QZ_BAK", "scenery.cfg"}));
}

TEST_P(SceneryTest, DeleteClosesTheLayerGapInACrLfFile) {
    Ready("fsx-derivative-124-areas-crlf.cfg");
    const std::string original = files::ReadFile(cfg);
    App& app = Open();
    Register(app);
    Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
    Done(app);
    Delete(app);
    if (Year() == 2004)
        Next(app, BoxKind::Question, Boxes().keepAfcad2, IDYES);
    Next(app, BoxKind::Information, Boxes().deleteDone, IDOK);
    Done(app);
    // FS2004: the AFCAD2 area stays, with its number and layer.
    const std::string kept = Year() == 2004 ? NewSection(125, kAfcad2, "..\\Ambrello\\", 125) : "";
    EXPECT_TRUE(files::HasBytes(cfg, Saved(original) + kept));
    ExpectCopy();
}

TEST_P(SceneryTest, ConfigurationFileMissing) {
    Ready();
    ASSERT_TRUE(DeleteFileA(cfg.c_str()));
    files::WriteFile(newCfg, "earlier copy");
    App& app = Open();
    Register(app);
    Next(app, BoxKind::Error, Boxes().missing, IDOK);
    Done(app);
    Delete(app);
    Next(app, BoxKind::Error, Boxes().missing, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(newCfg, "earlier copy"));
    EXPECT_EQ(files::List(sim), std::vector<std::string>{"NewScenery.CFG"});
}

TEST_P(SceneryTest, NothingToRegisterWarnsThenCompletes) {
    Ready();
    files::RemoveTree(package);
    files::MakeFolder(files::Join(package, "Addon Scenery\\Vellmora\\ROKJ\\Scenery"));
    const std::string original = files::ReadFile(cfg);
    App& app = Open();
    Register(app);
    Next(app, BoxKind::Warning, Boxes().nothing, IDOK);
    Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, original));
    EXPECT_FALSE(files::Exists(backup));
    ExpectCopy();
}

TEST_P(SceneryTest, ReadOnlyFileNoThenYes) {
    Ready();
    const std::string original = files::ReadFile(cfg);
    files::WriteFile(backup, "old backup");
    files::SetReadOnly(cfg, true);
    App& app = Open();
    const BoxTexts question{Fill(Boxes().readOnly, cfg), Boxes().questionCaption};

    Register(app);
    Next(app, BoxKind::Question, question, IDNO);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, original));
    EXPECT_TRUE(files::IsReadOnly(cfg));
    EXPECT_TRUE(files::HasBytes(backup, "old backup"));
    EXPECT_FALSE(files::Exists(newCfg));

    Register(app);
    Next(app, BoxKind::Question, question, IDYES);
    Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
    Done(app);
    EXPECT_EQ(GetFileAttributesA(cfg.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(files::HasBytes(backup, original));
    EXPECT_TRUE(files::HasBytes(cfg, Saved(original) + Appended(120)));
    ExpectCopy();
}

// Another program holds scenery.cfg open: the save fails, the error box says why, the file stays
// as it was, no temporary file is left and no completion box or copy follows.
TEST_P(SceneryTest, LockedFileStopsWithAnErrorBox) {
    Ready();
    const std::string original = files::ReadFile(cfg);
    App& app = Open();
    HANDLE lock = CreateFileA(cfg.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Register(app);
    const MsgBox box = app.WaitForBox();
    EXPECT_EQ(box.Kind(), BoxKind::Error) << box.Describe();
    EXPECT_EQ(box.Caption(), Boxes().errorCaption);
    const std::string line = Fill(Boxes().cannotSave, {cfg, SystemText(ERROR_ACCESS_DENIED)});
    EXPECT_EQ(box.Text(), Fill(Boxes().updateFailed, line));
    box.Answer(IDOK);
    Done(app);
    CloseHandle(lock);
    EXPECT_TRUE(files::HasBytes(cfg, original));
    EXPECT_TRUE(files::HasBytes(backup, original));
    EXPECT_EQ(files::List(sim), (std::vector<std::string>{"scenery.QZ_BAK", "scenery.cfg"}));
}

INSTANTIATE_TEST_SUITE_P(Editions, SceneryTest, ::testing::ValuesIn(kEditionsAndLanguages), EditionLanguageName);

// The AFCAD2 area, which other packages of the series share: Yes keeps it; with no scenery files
// in its folder nobody is asked and it goes with the others.
class Afcad2Test : public SceneryTest {};

TEST_P(Afcad2Test, KeepOrRemove) {
    struct Case {
        const char* what;
        bool afcad2Scenery;
        int answer; // 0: no question
        bool kept;
    };
    for (const Case& c :
         {Case{"Yes", true, IDYES, true}, Case{"No", true, IDNO, false}, Case{"no scenery files", false, 0, false}}) {
        SCOPED_TRACE(c.what);
        files::RemoveTree(kRoot);
        Ready();
        const std::string original = files::ReadFile(cfg);
        App& app = Open();
        Register(app);
        Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
        Done(app);
        if (!c.afcad2Scenery)
            files::RemoveTree(files::Join(package, std::string(kAfcad2.folder) + "\\Scenery"));
        Delete(app);
        if (c.answer)
            Next(app, BoxKind::Question, Boxes().keepAfcad2, c.answer);
        Next(app, BoxKind::Information, Boxes().deleteDone, IDOK);
        Done(app);
        EXPECT_TRUE(files::HasBytes(
            cfg, Saved(original) + (c.kept ? NewSection(121, kAfcad2, "..\\Ambrello\\", 121) : std::string())));
        EXPECT_TRUE(files::SameBytes(newCfg, cfg));
        app.Control(app.Ids().end).PostClick();
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Fs2004, Afcad2Test,
                         ::testing::Values(EditionLanguage{2004, Language::English},
                                           EditionLanguage{2004, Language::Japanese}),
                         EditionLanguageName);

// Local is the catalogue folder when the package is the simulator folder, the absolute area
// folder on another drive, and the relative path otherwise.
class LocalFormTest : public SceneryTest {};

TEST_P(LocalFormTest, EachFormIsWrittenAndRecognised) {
    struct Case {
        const char* what;
        std::string package;     // "" : the simulator folder itself
        std::string localBase;   // what stands before each area's folder in Local
        bool otherDrive = false; // the package beside the simulator folder, seen through Z:
    };
    const Case cases[] = {
        {"same folder", "", ""},
        {"below the simulator folder", kRoot + "\\FS" + std::to_string(GetParam().year) + "\\Pkg", ".\\Pkg\\"},
        {"beside the simulator folder", kRoot + "\\Ambrello", "..\\Ambrello\\"},
        {"other drive", "", "", true},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        files::RemoveTree(kRoot);
        files::MakeFolder(kRoot);
        Ready();
        if (c.otherDrive) {
            c.package = OnOtherDrive(kRoot) + "\\Ambrello";
            c.localBase = c.package + "\\";
        }
        const std::string pkg = c.package.empty() ? sim : c.package;
        for (const Area& area : AreasOf(Year()))
            files::WriteFile(files::Join(pkg, std::string(area.folder) + "\\Scenery\\area.bgl"), "bgl");
        SetAddonPath(pkg);
        const std::string start = "[General]\r\nTitle=T\r\n\r\n";
        files::WriteFile(cfg, start);
        App& app = Open();
        Register(app);
        Next(app, BoxKind::Information, Boxes().registerDone, IDOK);
        Done(app);
        EXPECT_TRUE(files::HasBytes(cfg, start + Appended(0, c.localBase)));
        // Registered under this form, the areas are recognised and removed again.
        Delete(app);
        if (Year() == 2004)
            Next(app, BoxKind::Question, Boxes().keepAfcad2, IDNO);
        Next(app, BoxKind::Information, Boxes().deleteDone, IDOK);
        Done(app);
        EXPECT_TRUE(files::HasBytes(cfg, start));
        app.Control(app.Ids().end).PostClick();
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, LocalFormTest,
                         ::testing::Values(EditionLanguage{2002, Language::English},
                                           EditionLanguage{2004, Language::English}),
                         EditionLanguageName);

} // namespace
} // namespace e2e
