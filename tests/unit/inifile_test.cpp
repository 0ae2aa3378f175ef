// The scenery.cfg editor, on files compared byte for byte with expected files.
#include "env/Language.h"
#include "framework/headless/HeadlessBackend.h"
#include "scenery/Inifile.h"
#include "tests/unit/SceneryTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

namespace {

using scenery_test::Data;
using scenery_test::ReadBytes;
using scenery_test::TempDir;
using scenery_test::WriteBytes;

const std::string kRokj = "..\\Pkg\\Addon Scenery\\Vellmora\\ROKJ";
const std::string kRjot = "..\\Pkg\\Addon Scenery\\Vellmora\\RJOT";

A_DATA Area(const std::string& title, const std::string& local, bool add, bool del) {
    A_DATA area;
    area.Title = title;
    area.Local = local;
    area.Active = "TRUE";
    area.Add = add;
    area.Del = del;
    return area;
}

struct EditorCase {
    const char* name; // data/editor/<name>.in.cfg and .out.cfg
    bool del;         // DelScenery (without backup) instead of AddScenery
    std::vector<std::string> locals;
    std::string error; // the expected failure line, English
    std::vector<std::string> notAdded;
};

class EditorTest : public ::testing::TestWithParam<EditorCase> {
protected:
    void SetUp() override { Flag_Japanese = false; }
};

TEST_P(EditorTest, WritesTheExpectedFile) {
    const EditorCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    WriteBytes(file, ReadBytes(Data(std::string("editor/") + c.name + ".in.cfg")));
    std::vector<A_DATA> areas;
    const char* titles[] = {"Vellmora - ROKJ", "Vellmora - RJOT"};
    for (std::size_t i = 0; i < c.locals.size(); ++i)
        areas.push_back(Area(titles[i], c.locals[i], !c.del, c.del));
    S_DATA job{file, static_cast<std::int32_t>(areas.size()), areas.data()};

    fw::HeadlessBackend messages;
    const EditResult result = c.del ? DelScenery(&job, false, messages) : AddScenery(&job);
    EXPECT_EQ(result.done, c.error.empty());
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.notAdded, c.notAdded);
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(ReadBytes(file), ReadBytes(Data(std::string("editor/") + c.name + ".out.cfg")));
}

const std::string kBrokenLayer = "[Area.002] has a \"Layer\" value that is not an integer: \"\"";

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorTest,
    ::testing::Values(
        EditorCase{"add_sequence", false, {kRokj, kRjot}, "", {}}, EditorCase{"add_gaps", false, {kRokj}, "", {}},
        EditorCase{"add_layer40", false, {kRokj}, "", {}}, EditorCase{"add_no_area", false, {kRokj}, "", {}},
        EditorCase{"add_empty", false, {kRokj}, "", {}},
        EditorCase{"add_full", false, {kRokj, kRjot}, "", {"Vellmora - ROKJ", "Vellmora - RJOT"}},
        EditorCase{"add_malformed_names", false, {kRokj}, "", {}}, EditorCase{"add_case_local", false, {kRokj}, "", {}},
        EditorCase{"add_trailing_blank", false, {kRokj}, "", {}},
        EditorCase{"add_missing_layer", false, {kRokj, kRjot}, kBrokenLayer, {}},
        EditorCase{"add_empty_local", false, {""}, "", {}},
        EditorCase{"add_layer_max",
                   false,
                   {kRokj},
                   "[Area.001] has the largest possible \"Layer\" value, so no new area can be placed "
                   "above it: \"2147483647\"",
                   {}},
        EditorCase{"del_layer3", true, {kRokj}, "", {}}, EditorCase{"del_same_local", true, {kRokj}, "", {}},
        EditorCase{"del_empty_local", true, {""}, "", {}}, EditorCase{"del_not_listed", true, {kRokj}, "", {}},
        EditorCase{"del_comments", true, {kRokj}, "", {}},
        EditorCase{
            "del_bad_layer", true, {kRokj}, "[Area.002] has a \"Layer\" value that is not an integer: \"two\"", {}}),
    [](const ::testing::TestParamInfo<EditorCase>& info) { return std::string(info.param.name); });

// A missing file: nothing is listed, and areas are numbered from Area.001.
TEST(Editor, MissingFile) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    std::vector<A_DATA> areas{Area("Vellmora - ROKJ", kRokj, true, true)};
    areas[0].Exist = true;
    S_DATA job{file, 1, areas.data()};
    EXPECT_TRUE(CheckScenery(&job).done);
    EXPECT_FALSE(areas[0].Exist);
    fw::HeadlessBackend messages;
    const EditResult deleted = DelScenery(&job, true, messages);
    EXPECT_FALSE(deleted.done);
    EXPECT_TRUE(deleted.error.empty());
    EXPECT_FALSE(scenery_test::Exists(file));
    ASSERT_TRUE(AddScenery(&job).done);
    EXPECT_EQ(ReadBytes(file), ReadBytes(Data("editor/add_empty.out.cfg")));
}

TEST(Editor, CheckSceneryMarksListedAreas) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    WriteBytes(file, "[Area.001]\nLocal=" + kRokj + "\n[Area.0002]\nLocal=" + kRjot + "\n[Area.003]\nLocal=" + kRokj +
                         "\n[General]\nLocal=X\n[area.abc]\nLocal=..\\pkg\\ADDON SCENERY\\vellmora\\x\n");
    std::vector<A_DATA> areas{
        Area("a", kRokj, false, false), Area("b", kRjot, false, false), Area("c", "X", false, false),
        Area("d", "..\\Pkg\\Addon Scenery\\Vellmora\\X", false, false), Area("e", "", false, false)};
    for (A_DATA& area : areas)
        area.Exist = true;
    S_DATA job{file, static_cast<std::int32_t>(areas.size()), areas.data()};
    ASSERT_TRUE(CheckScenery(&job).done);
    EXPECT_TRUE(areas[0].Exist);
    EXPECT_FALSE(areas[1].Exist) << "Area.0002 is no area section";
    EXPECT_FALSE(areas[2].Exist) << "General is no area section";
    EXPECT_TRUE(areas[3].Exist);
    EXPECT_FALSE(areas[4].Exist);
    EXPECT_EQ(ReadBytes(file).find('\r'), std::string::npos) << "nothing is saved";
}

// A save that fails stops the run with the file's name and the system's reason; what was saved
// for the earlier entries stays.
TEST(Editor, SaveFailureIsReported) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    const std::string original = "[Area.001]\nLocal=" + kRokj + "\nLayer=1\n";
    WriteBytes(file, original);
    ::chmod(scenery_test::Native(file).c_str(), 0444);
    std::vector<A_DATA> areas{Area("Vellmora - ROKJ", kRokj, true, true)};
    S_DATA job{file, 1, areas.data()};
    Flag_Japanese = false;
    const EditResult added = AddScenery(&job);
    EXPECT_FALSE(added.done);
    EXPECT_EQ(added.error.rfind("Cannot save \"" + file + "\": ", 0), 0u) << added.error;
    EXPECT_GT(added.error.size(), ("Cannot save \"" + file + "\": ").size());
    fw::HeadlessBackend messages;
    Flag_Japanese = true;
    const EditResult deleted = DelScenery(&job, false, messages);
    EXPECT_FALSE(deleted.done);
    EXPECT_EQ(deleted.error.rfind("\"" + file + "\" を保存できません: ", 0), 0u) << deleted.error;
    EXPECT_EQ(ReadBytes(file), original);
    Flag_Japanese = false;
}

TEST(Editor, BackupAndTheReadOnlyQuestion) {
    for (bool japanese : {false, true}) {
        for (bool yes : {false, true}) {
            SCOPED_TRACE(std::string(japanese ? "ja" : "en") + (yes ? " Yes" : " No"));
            Flag_Japanese = japanese;
            TempDir dir;
            const std::string file = dir.Path(std::string(200, 'F') + "\\scenery.cfg");
            WriteBytes(file, "[A]\nk=new\n");
            WriteBytes(dir.Path(std::string(200, 'F') + "\\scenery.QZ_BAK"), "old backup");
            ::chmod(scenery_test::Native(file).c_str(), 0444);
            fw::HeadlessBackend messages;
            messages.AnswerNextBox(yes ? fw::MsgResult::Yes : fw::MsgResult::No);
            EXPECT_EQ(BackupSceneryCfg(file, messages), yes);
            ASSERT_EQ(messages.Boxes().size(), 1u);
            EXPECT_EQ(messages.Boxes()[0].kind, fw::MsgKind::Question);
            // The full path, uncut.
            EXPECT_EQ(messages.Boxes()[0].text, japanese
                                                    ? "読み取り専用ファイルです。上書きしてもよろしいですか？\n" + file
                                                    : "This is read only file.May I update?\n" + file);
            EXPECT_EQ(messages.Boxes()[0].caption, japanese ? "確認" : "Question");
            struct stat st;
            ASSERT_EQ(::stat(scenery_test::Native(file).c_str(), &st), 0);
            EXPECT_EQ((st.st_mode & S_IWUSR) != 0, yes);
            EXPECT_EQ(ReadBytes(dir.Path(std::string(200, 'F') + "\\scenery.QZ_BAK")),
                      yes ? "[A]\nk=new\n" : "old backup");
        }
    }
    Flag_Japanese = false;
}

TEST(Editor, BackupName) {
    EXPECT_EQ(BackupName("C:\\FS9\\scenery.cfg"), "C:\\FS9\\scenery.QZ_BAK");
    EXPECT_EQ(BackupName("C:\\\\scenery.cfg"), "C:\\\\scenery.QZ_BAK");
    EXPECT_EQ(BackupName("abc"), ".QZ_BAK");
    EXPECT_EQ(BackupName("abcd"), ".QZ_BAK");
}

TEST(Editor, AreaSectionsAndNumbers) {
    struct Case {
        const char* name;
        bool area;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"Area.001", true, 1},
        {"AREA.012", true, 12},
        {"area.999", true, 999},
        {"Area.7ab", true, 7},
        {"Area.abc", true, std::nullopt},
        {"Area. 12", true, 12},
        {"Area.-12", true, -12},
        {"Area.+1x", true, 1},
        {"Area.  -", true, std::nullopt},
        {"Area.0001", false, std::nullopt},
        {"Area.1", false, std::nullopt},
        {"Area", false, std::nullopt},
        {"Arex.001", false, std::nullopt},
        {"Area,001", false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsAreaSection(c.name), c.area);
        EXPECT_EQ(AreaNumber(c.name), c.number);
    }
}

TEST(Editor, LayerConversionIsStrict) {
    struct Case {
        const char* value;
        std::optional<std::int32_t> layer;
    };
    const Case cases[] = {
        {"5", 5},
        {"  5", 5},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"$1F", 31},
        {"$1f", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0X7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"5 ", std::nullopt},
        {"\t5", std::nullopt},
        {"5a", std::nullopt},
        {"1.0", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-$10", std::nullopt},
        {"+x10", std::nullopt},
        {"$-1", std::nullopt},
        {"Area", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.value + "\"");
        EXPECT_EQ(ConvertLayer(c.value), c.layer);
    }
}

} // namespace
