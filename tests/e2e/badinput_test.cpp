// Bad input met by the real programs: the locale value of the wrong type, simulator folder texts
// that name no usable folder (blanks, a lone backslash, a network path, 300 characters, letters
// of another code page, a drive root), and scenery.cfg files that are odd but must lose nothing
// (NUL bytes, 20 MB, 1 MB lines, CR line ends, duplicate sections, 999 areas, Shift_JIS). The
// large files are made here.
#include "Scenario.h"
#include "SceneryTexts.h"
#include "tests/support/SavedText.h"

namespace e2e {
namespace {

using saved_text::Saved;

using namespace robot;

// The locale, the first value read at start-up, stored as a number or a list: the top-level
// exception box names it, no window is shown, and the program ends cleanly.
class LocaleTypeTest : public Scenario, public ::testing::WithParamInterface<int> {};

TEST_P(LocaleTypeTest, WrongTypeEndsWithTheExceptionBox) {
    MakeReadyMachine(GetParam());
    for (const DWORD type : {static_cast<DWORD>(REG_DWORD), static_cast<DWORD>(REG_MULTI_SZ)}) {
        SCOPED_TRACE(type);
        registry::SetRaw(HKEY_CURRENT_USER, kLocaleKey, "Locale", type, std::string("00000411\0\0", 10));
        App& app = Start(GetParam());
        const MsgBox box = app.WaitForBox();
        EXPECT_EQ(box.Caption(), kApplicationTitle);
        EXPECT_EQ(box.Text(), "Invalid data type for 'Locale'.");
        EXPECT_EQ(box.Kind(), BoxKind::Error);
        EXPECT_TRUE(app.Forms().empty()) << DescribeWindows(app.Pid());
        box.Answer(IDOK);
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, LocaleTypeTest, ::testing::Values(2002, 2004),
                         [](const auto& info) { return "Quillet" + std::to_string(info.param); });

class BadInputTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {
protected:
    int Year() const { return GetParam().year; }
    const SceneryBoxes& B() const { return boxes_; }

    void Ready() {
        boxes_ = ExpectedSceneryBoxes(GetParam().language);
        sim = MakeSimulatorFolder(Year());
        cfg = files::Join(sim, "scenery.cfg");
        backup = files::Join(sim, "scenery.QZ_BAK");
        SetFsPath(Year(), sim);
        SetAddonPath(MakePackageFolder());
    }
    App& Open() {
        SetJapanese(GetParam().language == Language::Japanese);
        App& app = Start(Year());
        app.WaitForMainWindow(ExpectedMainWindow(Year(), GetParam().language).caption);
        return app;
    }
    void Next(App& app, BoxKind kind, const BoxTexts& expected, int answer) {
        const MsgBox box = app.WaitForBox();
        EXPECT_EQ(box.Kind(), kind) << box.Describe();
        EXPECT_EQ(box.Text(), expected.text);
        EXPECT_EQ(box.Caption(), expected.caption);
        box.Answer(answer);
        WaitUntil("the box to close", [&] { return !box.Exists(); });
    }
    void Done(App& app) {
        app.ExpectNoBox();
        EXPECT_TRUE(app.Control(app.Ids().scnAdd).Enabled());
    }
    void TypeFolder(App& app, const std::string& text) {
        const Window box = app.Control(app.Ids().box);
        box.Erase();
        box.Type(text);
        ASSERT_EQ(box.Text(), text);
    }
    void Register(App& app, const BoxTexts& result, BoxKind kind) {
        app.Control(app.Ids().scnAdd).PostClick();
        Next(app, BoxKind::Question, B().registerQuestion, IDYES);
        Next(app, kind, result, IDOK);
        Done(app);
    }

    std::string sim, cfg, backup;

private:
    SceneryBoxes boxes_;
};

// Each text gets a box that says what is wrong; nothing is written anywhere, and the window
// works on. A network path fails at once under Wine and is a missing scenery.cfg.
TEST_P(BadInputTest, UnusableSimulatorFolderTexts) {
    Ready();
    const std::string start = "[General]\r\nTitle=T\r\n\r\n";
    files::WriteFile(cfg, start);
    // Words, so that the box can wrap the path and stay on the screen.
    std::string long300 = kRoot + "\\";
    while (long300.size() < 300)
        long300 += long300.size() % 12 == 11 ? ' ' : 'F';
    long300.back() = 'F';
    const std::string japanese = kRoot + "\\日本語のフォルダ";
    const struct {
        const char* what;
        std::string text;
        BoxTexts box;
    } cases[] = {
        {"blanks", "   ", B().missing},
        {"a lone backslash", "\\", B().missing},
        {"a network path", "\\\\server\\share", B().missing},
        {"a network path to the simulator folder's name", "\\\\server\\share\\QuilletTest\\FS", B().missing},
        {"300 characters", long300, {Fill(B().tooLong, long300), B().errorCaption}},
        {"300 characters and backslashes", long300 + "\\\\", {Fill(B().tooLong, long300), B().errorCaption}},
        {"letters the code page does not have", japanese, {Fill(B().notRepresentable, japanese), B().errorCaption}},
    };
    App& app = Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TypeFolder(app, c.text);
        Register(app, c.box, BoxKind::Error);
    }
    EXPECT_TRUE(files::HasBytes(cfg, start));
    EXPECT_EQ(files::List(sim), std::vector<std::string>{"scenery.cfg"});
    for (const char* name : {"C:\\scenery.cfg", "C:\\scenery.QZ_BAK", "C:\\NewScenery.CFG"})
        EXPECT_FALSE(files::Exists(name)) << name;

    // The same window still registers once the box holds the simulator folder again.
    TypeFolder(app, sim);
    Register(app, B().registerDone, BoxKind::Information);
    EXPECT_TRUE(files::HasBytes(cfg, start + Appended(Year(), 0, 0)));
}

// A drive root as the simulator folder: scenery.cfg at the root is found, edited and restored.
TEST_P(BadInputTest, DriveRoot) {
    Ready();
    const std::string rootFiles[] = {"C:\\scenery.cfg", "C:\\scenery.QZ_BAK", "C:\\NewScenery.CFG"};
    // Outside kRoot, so removed here before and after, also when the test fails.
    struct Clean {
        const std::string* names;
        void operator()() const {
            for (int i = 0; i < 3; ++i)
                DeleteFileA(names[i].c_str());
        }
        ~Clean() { (*this)(); }
    } clean{rootFiles};
    clean();
    const std::string start = "[General]\r\nTitle=T\r\n\r\n";
    files::WriteFile(rootFiles[0], start);
    App& app = Open();
    TypeFolder(app, "C:\\");
    Register(app, B().registerDone, BoxKind::Information);
    const std::string registered = start + Appended(Year(), 0, 0, ".\\QuilletTest\\Ambrello\\");
    EXPECT_TRUE(files::HasBytes(rootFiles[0], registered));
    EXPECT_TRUE(files::HasBytes(rootFiles[1], start));
    if (Year() == 2004) {
        EXPECT_TRUE(files::SameBytes(rootFiles[2], rootFiles[0]));
    }
    app.Control(app.Ids().scnDel).PostClick();
    Next(app, BoxKind::Question, B().deleteQuestion, IDYES);
    if (Year() == 2004)
        Next(app, BoxKind::Question, B().keepAfcad2, IDNO);
    Next(app, BoxKind::Information, B().deleteDone, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(rootFiles[0], start));
    EXPECT_TRUE(files::HasBytes(rootFiles[1], registered));
}

// Odd scenery.cfg files: the run completes (or warns when no area number is left), scenery.cfg is
// the fully edited file with every section it had, and the backup holds the old bytes.
TEST_P(BadInputTest, OddConfigurationFiles) {
    const std::string start = "[General]\r\nTitle=T\r\n\r\n";
    std::string big = start + "[Big]\r\n";
    char line[64];
    for (int i = 0; big.size() < (20u << 20); ++i) {
        std::snprintf(line, sizeof line, "Entry%07d=some value of scenery %07d\r\n", i, i);
        big += line;
    }
    big += "\r\n" + AreaSection(7, "Other", "Scenery\\Other", 3);
    const std::string mega(1u << 20, 'M');
    std::string full = start;
    for (int n = 1; n <= 999; ++n)
        full += AreaSection(n, "Other " + std::to_string(n), "Scenery\\" + std::to_string(n), n);
    std::string titles;
    for (std::size_t i = Year() == 2004 ? 0 : 1; i < std::size(kAreaTitles); ++i)
        titles += std::string(titles.empty() ? "" : "\n") + kAreaTitles[i];

    const struct {
        const char* what;
        std::string original;
        std::string expected; // empty: no area number left, the file as saved
    } cases[] = {
        {"NUL bytes",
         start + "[Area.001]\r\nLocal=A\r\nLayer=1\r\nTitle=x" + std::string(1, '\0') + "\r\n[Area.002]\r\n",
         Saved(start + "[Area.001]\r\nLocal=A\r\nLayer=1\r\nTitle=x") + Appended(Year(), 1, 1)},
        {"20 MB", big, Saved(big) + Appended(Year(), 7, 3)},
        {"lines of 1 MB",
         start + "[" + mega + "]\r\n" + mega + "\r\n[Area.001]\r\nTitle=" + mega + "\r\nLocal=" + mega +
             "\r\nLayer=1\r\n",
         ""},
        {"CR line ends", "[General]\rTitle=T\r\r[Area.004]\rLocal=X\rLayer=9\r", ""},
        {"duplicate section names",
         start + start + "[Area.001]\r\nLocal=X\r\nLayer=1\r\n\r\n[Area.001]\r\nLocal=Y\r\nLayer=5\r\n\r\n", ""},
        {"Shift_JIS titles, names and paths",
         start + "[\x93\xfa\x96\x7b]\r\nTitle=\x95\x5c\x8e\xa6\r\n\r\n[Area.001]\r\nTitle=\x93\x8c\x8b\x9e\r\nLocal="
                 "Scenery\\\x95\x5c\x83\x41\r\nLayer=1\r\n\r\n",
         ""},
        {"999 area sections", full, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files::RemoveTree(kRoot);
        Ready();
        files::WriteFile(cfg, c.original);
        App& app = Open();
        const std::string what = c.what;
        if (what == "999 area sections") {
            Register(app, {Fill(B().noFreeNumber.text, titles), B().noFreeNumber.caption}, BoxKind::Warning);
            EXPECT_TRUE(files::HasBytes(cfg, c.original));
        } else {
            Register(app, B().registerDone, BoxKind::Information);
            // Without an expected text: one area section numbered 1 (or 4 at layer 9) came before.
            const std::string expected = !c.expected.empty()      ? c.expected
                                         : what == "CR line ends" ? Saved(c.original) + Appended(Year(), 4, 9)
                                                                  : Saved(c.original) + Appended(Year(), 1, 1);
            EXPECT_TRUE(files::HasBytes(cfg, expected));
        }
        EXPECT_TRUE(files::HasBytes(backup, c.original));
        app.Control(app.Ids().end).PostClick();
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, BadInputTest,
                         ::testing::Values(EditionLanguage{2002, Language::Japanese},
                                           EditionLanguage{2004, Language::English}),
                         EditionLanguageName);

} // namespace
} // namespace e2e
