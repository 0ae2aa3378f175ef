// Start-up of both programs: the main window's captions in both languages, the simulator folder
// box and the rule that enables the operation buttons, and the registry values that end start-up.
#include "ExpectedTexts.h"
#include "Scenario.h"

namespace e2e {
namespace {

using namespace robot;

void ExpectOperations(const App& app, bool enabled) {
    for (const int id : app.Ids().Operations())
        EXPECT_EQ(app.Control(id).Enabled(), enabled) << app.Control(id).Describe();
}

class CaptionTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {};

TEST_P(CaptionTest, MainWindowShowsEveryCaptionAndTheSimulatorFolder) {
    const auto [year, language] = GetParam();
    SetJapanese(language == Language::Japanese);
    MakeReadyMachine(year);
    const MainWindowTexts texts = ExpectedMainWindow(year, language);
    App& app = Start(year);
    const Window main = app.WaitForMainWindow(texts.caption);
    app.ExpectNoBox();

    const MainWindowIds& ids = app.Ids();
    EXPECT_EQ(app.Control(ids.groupBox).Text(), texts.groupBox);
    EXPECT_EQ(app.Control(ids.box).Text(), files::Join(kRoot, "FS" + std::to_string(year)));
    EXPECT_EQ(app.Control(ids.browse).Text(), texts.browse);
    EXPECT_EQ(app.Control(ids.scnAdd).Text(), texts.scnAdd);
    EXPECT_EQ(app.Control(ids.scnDel).Text(), texts.scnDel);
    if (year == 2002) {
        EXPECT_EQ(app.Control(ids.afdAdd).Text(), texts.afdAdd);
        EXPECT_EQ(app.Control(ids.afdRes).Text(), texts.afdRes);
    } else {
        EXPECT_FALSE(main.FindChild(1007).has_value()) << "the FS2004 edition has no facility buttons";
    }
    EXPECT_EQ(app.Control(ids.support).Text(), texts.support);
    EXPECT_EQ(app.Control(ids.end).Text(), texts.end);
    for (const int id : {ids.end, ids.box, ids.browse, ids.support})
        EXPECT_TRUE(app.Control(id).Enabled()) << app.Control(id).Describe();
    ExpectOperations(app, true);
}

INSTANTIATE_TEST_SUITE_P(Editions, CaptionTest, ::testing::ValuesIn(kEditionsAndLanguages), EditionLanguageName);

// Only the exact value 00000411 makes the programs Japanese.
struct LocaleCase {
    const char* value;
    Language language;
};

class LocaleTest : public Scenario, public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(LocaleTest, ChoosesTheLanguage) {
    SetLocale(GetParam().value);
    MakeReadyMachine(2004);
    App& app = Start(2004);
    app.WaitForMainWindow(ExpectedMainWindow(2004, GetParam().language).caption);
}

INSTANTIATE_TEST_SUITE_P(Values, LocaleTest,
                         ::testing::Values(LocaleCase{"00000411", Language::Japanese},
                                           LocaleCase{"00000409", Language::English},
                                           LocaleCase{"411", Language::English},
                                           LocaleCase{"00000411 ", Language::English},
                                           LocaleCase{"", Language::English}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

class EditionTest : public Scenario, public ::testing::WithParamInterface<int> {
protected:
    App& StartEnglish() {
        App& app = Start(GetParam());
        app.WaitForMainWindow(ExpectedMainWindow(GetParam(), Language::English).caption);
        app.ExpectNoBox();
        return app;
    }
};

std::string YearName(const ::testing::TestParamInfo<int>& info) {
    return "Quillet" + std::to_string(info.param);
}

// How the simulator's entry can be absent: the box starts empty and the operation buttons disabled.
enum class NoFolder { KeyMissing, ValueMissing, ValueEmpty };

TEST_P(EditionTest, TypingIntoTheEmptyBoxEnablesTheOperationsAndErasingDisablesThem) {
    SetAddonPath(MakePackageFolder());
    for (const NoFolder how : {NoFolder::KeyMissing, NoFolder::ValueMissing, NoFolder::ValueEmpty}) {
        SCOPED_TRACE(how == NoFolder::KeyMissing     ? "no simulator key"
                     : how == NoFolder::ValueMissing ? "key without \"EXE Path\""
                                                     : "empty \"EXE Path\"");
        registry::DeleteTree(HKEY_LOCAL_MACHINE, FsKey(GetParam()));
        if (how == NoFolder::ValueMissing)
            registry::CreateKey(HKEY_LOCAL_MACHINE, FsKey(GetParam()));
        if (how == NoFolder::ValueEmpty)
            SetFsPath(GetParam(), "");
        App& app = StartEnglish();
        const Window box = app.Control(app.Ids().box);
        EXPECT_EQ(box.Text(), "");
        ExpectOperations(app, false);

        box.Type("C");
        EXPECT_EQ(box.Text(), "C");
        ExpectOperations(app, true);

        box.Erase();
        EXPECT_EQ(box.Text(), "");
        ExpectOperations(app, false);

        box.Type("D:\\Games\\FS");
        EXPECT_EQ(box.Text(), "D:\\Games\\FS");
        ExpectOperations(app, true);
        for (const int id : {app.Ids().end, app.Ids().browse, app.Ids().support})
            EXPECT_TRUE(app.Control(id).Enabled()) << app.Control(id).Describe();

        app.Control(app.Ids().end).PostClick();
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

// The box shows the registry text exactly as stored: a trailing backslash, blanks and an
// unexpanded environment reference stay.
TEST_P(EditionTest, BoxShowsTheSimulatorFolderExactlyAsStored) {
    SetAddonPath(MakePackageFolder());
    const struct {
        const char* text;
        DWORD type;
    } cases[] = {{"C:\\FS Games\\FS9\\", REG_SZ}, {" C:\\FS9 ", REG_SZ}, {"%ProgramFiles%\\FS9", REG_EXPAND_SZ}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Quote(c.text));
        SetFsPath(GetParam(), c.text, c.type);
        App& app = StartEnglish();
        EXPECT_EQ(app.Control(app.Ids().box).Text(), c.text);
        ExpectOperations(app, true);
        app.Control(app.Ids().end).PostClick();
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

// Each edition reads its own simulator's key only.
TEST_P(EditionTest, ReadsOnlyItsOwnSimulatorKey) {
    SetAddonPath(MakePackageFolder());
    const int other = GetParam() == 2002 ? 2004 : 2002;
    SetFsPath(other, "C:\\Other simulator");
    App& app = StartEnglish();
    EXPECT_EQ(app.Control(app.Ids().box).Text(), "");
    ExpectOperations(app, false);
}

// A registry value that is not text escapes start-up to the top-level exception box, captioned
// with the application title and naming the value; the program ends when it is dismissed.
TEST_P(EditionTest, ValueOfTheWrongTypeEndsWithTheExceptionBox) {
    const std::string package = MakePackageFolder();
    const struct {
        const char* value;
        DWORD type;
    } cases[] = {{"EXE Path", REG_DWORD}, {"EXE Path", REG_BINARY}, {"Path", REG_DWORD}, {"Path", REG_MULTI_SZ}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " of type " + std::to_string(c.type));
        SetFsPath(GetParam(), MakeSimulatorFolder(GetParam()));
        SetAddonPath(package);
        const bool fs = std::string(c.value) == "EXE Path";
        registry::SetRaw(HKEY_LOCAL_MACHINE, fs ? FsKey(GetParam()) : kAddonKey, c.value, c.type,
                         std::string("\x01\x00\x00\x00", 4));
        App& app = Start(GetParam());
        const MsgBox box = app.WaitForBox();
        EXPECT_EQ(box.Caption(), kApplicationTitle);
        EXPECT_EQ(box.Text(), "Invalid data type for '" + std::string(c.value) + "'.");
        EXPECT_EQ(box.Kind(), BoxKind::Error);
        EXPECT_TRUE(app.Forms().empty()) << "the main window must not be shown: " << DescribeWindows(app.Pid());
        box.Answer(IDOK);
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionTest, ::testing::Values(2002, 2004), YearName);

} // namespace
} // namespace e2e
