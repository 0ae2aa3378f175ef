// The register and delete buttons of both editions through the headless backend: every box and
// the files on disk.
#include "env/Language.h"
#include "framework/headless/HeadlessBackend.h"
#include "scenery/Inifile.h"
#include "scenery/Scenery.h"
#include "tests/unit/SceneryTestSupport.h"

#include "tests/support/SavedText.h"
#include "tests/unit/SceneryButtonsFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using saved_text::SameBytes;
using saved_text::Saved;
using namespace scenery_boxes;

using fw::MsgKind;
using fw::MsgResult;
using scenery_test::Exists;
using scenery_test::Native;
using scenery_test::ReadBytes;
using scenery_test::WriteBytes;

class SceneryButtonsTest : public SceneryButtonsFixture {};

TEST_P(SceneryButtonsTest, RegisterIntoRealFilesThenAgainThenDelete) {
    struct Fixture {
        const char* file;
        int areas; // largest area number and layer
    };
    for (const Fixture f :
         {Fixture{"fsx-template-120-areas.cfg", 120}, Fixture{"fsx-derivative-124-areas-crlf.cfg", 124}}) {
        SCOPED_TRACE(f.file);
        const std::string original = ReadBytes(scenery_test::Fixture(f.file));
        ASSERT_FALSE(original.empty());
        WriteBytes(config, original);
        GiveAllScenery();

        Register();
        ExpectBoxes({kRegisterQuestion, kRegisterDone});
        const std::string registered = Saved(original) + NewSections(f.areas, f.areas);
        EXPECT_TRUE(SameBytes(ReadBytes(config), registered));
        EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
        ExpectCopyAfterSuccess();

        // Again: nothing changes but the backup.
        Register();
        ExpectBoxes({kRegisterQuestion, kRegisterDone});
        EXPECT_TRUE(SameBytes(ReadBytes(config), registered));
        EXPECT_TRUE(SameBytes(ReadBytes(backup), registered));

        // FS2004: the AFCAD2 area has scenery files, so the user is asked; No removes it too.
        Delete({MsgResult::Yes, MsgResult::No});
        if (Is2004())
            ExpectBoxes({kDeleteQuestion, kKeepAfcad2, kDeleteDone});
        else
            ExpectBoxes({kDeleteQuestion, kDeleteDone});
        EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original)));
        EXPECT_TRUE(SameBytes(ReadBytes(backup), registered));
        ExpectCopyAfterSuccess();
    }
}

// Areas listed between others: the layer gap closes and the later layers move down.
TEST_P(SceneryButtonsTest, DeleteClosesTheLayerGap) {
    std::string file = "[General]\r\nTitle=FS9 World Scenery\r\n\r\n";
    std::string expected = file;
    int layer = 0;
    for (std::size_t i = 0; i < Rows().size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Area.%03zu", 2 * i + 1);
        file += "[" + std::string(name) + "]\r\nLocal=Scenery\\Other" + std::to_string(i) +
                "\r\nLayer=" + std::to_string(++layer) + "\r\n\r\n";
        expected += "[" + std::string(name) + "]\r\nLocal=Scenery\\Other" + std::to_string(i) +
                    "\r\nLayer=" + std::to_string(i + 1) + "\r\n\r\n";
        std::snprintf(name, sizeof name, "Area.%03zu", 2 * i + 2);
        file += "[" + std::string(name) + "]\r\nLocal=" + Local(Rows()[i]) + "\r\nLayer=" + std::to_string(++layer) +
                "\r\n\r\n";
    }
    WriteBytes(config, file);
    // No scenery files at all: a listed area goes even so, and nobody is asked about AFCAD2.
    Delete();
    ExpectBoxes({kDeleteQuestion, kDeleteDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), expected));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), file));
}

TEST_P(SceneryButtonsTest, KeepingTheAfcad2Area) {
    if (!Is2004())
        GTEST_SKIP() << "the FS2002 edition has no AFCAD2 area";
    const std::string general = "[General]\r\nTitle=T\r\n\r\n";
    for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
        SCOPED_TRACE(answer == MsgResult::Yes ? "Yes" : "No");
        WriteBytes(config, general);
        GiveAllScenery();
        Register();
        ExpectBoxes({kRegisterQuestion, kRegisterDone});
        Delete({MsgResult::Yes, answer});
        ExpectBoxes({kDeleteQuestion, kKeepAfcad2, kDeleteDone});
        EXPECT_TRUE(
            SameBytes(ReadBytes(config), answer == MsgResult::Yes ? general + NewSection(1, Rows()[0], 1) : general));
        ExpectCopyAfterSuccess();
    }
}

TEST_P(SceneryButtonsTest, RegisterRemovesListedAreasWithoutSceneryFiles) {
    // Rows 0 and 1 listed; row 0 has lost its scenery files; row 1 keeps Active=FALSE.
    const std::string head = "[General]\r\nTitle=T\r\n\r\n";
    const std::string row1 = "[Area.002]\r\nLocal=" + Local(Rows()[1]) + "\r\nLayer=1\r\nActive=FALSE\r\n\r\n";
    WriteBytes(config, head + "[Area.001]\r\nLocal=" + Local(Rows()[0]) + "\r\nLayer=2\r\n\r\n" + row1);
    for (std::size_t i = 1; i < Rows().size(); ++i)
        GiveScenery(Rows()[i]);
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), head + row1 + NewSections(2, 1, 2)));
}

TEST_P(SceneryButtonsTest, SameFolderLocalIsTheCatalogueFolder) {
    addon = box + "\\";
    WriteBytes(config, "");
    for (const AREA_DEF& row : Rows())
        WriteBytes(box + "\\" + row.Folder + "\\Scenery\\x.bgl", "");
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    std::string expected;
    for (std::size_t i = 0; i < Rows().size(); ++i)
        expected += "[Area.00" + std::to_string(i + 1) + "]\r\nTitle=" + Rows()[i].Title +
                    "\r\nLocal=" + Rows()[i].Folder + "\r\nActive=TRUE\r\nLayer=" + std::to_string(i + 1) +
                    "\r\nRequired=FALSE\r\nRemote=\r\n\r\n";
    EXPECT_TRUE(SameBytes(ReadBytes(config), expected));
}

TEST_P(SceneryButtonsTest, AnsweringNoChangesNothing) {
    WriteBytes(config, "[Area.001]\nLayer=1\n");
    GiveAllScenery();
    Register({MsgResult::No});
    ExpectBoxes({kRegisterQuestion});
    Delete({MsgResult::No});
    ExpectBoxes({kDeleteQuestion});
    EXPECT_TRUE(SameBytes(ReadBytes(config), "[Area.001]\nLayer=1\n"));
    EXPECT_FALSE(Exists(backup));
    EXPECT_FALSE(Exists(newConfig));
}

TEST_P(SceneryButtonsTest, ConfigurationFileMissing) {
    WriteBytes(newConfig, "earlier copy");
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kConfigMissing});
    Delete();
    ExpectBoxes({kDeleteQuestion, kConfigMissing});
    // A folder of that name is no file.
    std::filesystem::create_directories(Native(config));
    Register();
    ExpectBoxes({kRegisterQuestion, kConfigMissing});
    EXPECT_TRUE(SameBytes(ReadBytes(newConfig), "earlier copy"));
    EXPECT_FALSE(Exists(backup));
}

TEST_P(SceneryButtonsTest, NothingToRegisterWarnsThenCompletes) {
    const std::string original = "[Area.001]\nLayer=1\n";
    WriteBytes(config, original);
    Register();
    ExpectBoxes({kRegisterQuestion, kNothingToRegister, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_FALSE(Exists(backup));
    ExpectCopyAfterSuccess();
}

TEST_P(SceneryButtonsTest, ReadOnlyFile) {
    const std::string original = "[General]\nTitle=T\n";
    WriteBytes(config, original);
    WriteBytes(backup, "old backup");
    ::chmod(Native(config).c_str(), 0444);
    GiveAllScenery();

    Register({MsgResult::Yes, MsgResult::No});
    ExpectBoxes({kRegisterQuestion, ReadOnlyQuestion(config)});
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), "old backup"));
    struct stat st;
    ASSERT_EQ(::stat(Native(config).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_FALSE(Exists(newConfig));

    Register({MsgResult::Yes, MsgResult::Yes});
    ExpectBoxes({kRegisterQuestion, ReadOnlyQuestion(config), kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
    EXPECT_TRUE(SameBytes(ReadBytes(config), "[General]\r\nTitle=T\r\n\r\n" + NewSections(0, 0)));
    ASSERT_EQ(::stat(Native(config).c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IWUSR, 0u);
    ExpectCopyAfterSuccess();
}

// A save that fails: the error box names the file and the reason; no completion, no copy.
TEST_P(SceneryButtonsTest, SaveFailureStopsWithAnErrorBox) {
    const std::string original = "[General]\r\nTitle=T\r\n\r\n";
    WriteBytes(config, original);
    GiveAllScenery();
    rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = original.size() + 10; // the backup fits, the first save does not
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    Register();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    ExpectBoxes({kRegisterQuestion, UpdateFailed("Cannot save \"" + config + "\": " + std::strerror(EFBIG))});
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
    EXPECT_FALSE(Exists(newConfig));
}

TEST_P(SceneryButtonsTest, BadLayerStopsWithAnErrorBox) {
    const std::string original = "[Area.001]\nLocal=Scenery\\X\nLayer=1\n[Area.002]\nLocal=Scenery\\Y\nLayer=$G\n";
    WriteBytes(config, original);
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, UpdateFailed("[Area.002] has a \"Layer\" value that is not an integer: \"$G\"")});
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_FALSE(Exists(newConfig));
}

TEST_P(SceneryButtonsTest, AreaNumbersRunOut) {
    // Area.998 leaves room for one area only.
    const std::string original = "[Area.998]\nLocal=Scenery\\X\nLayer=5\n";
    WriteBytes(config, original);
    GiveAllScenery();
    Register();
    std::string titles;
    for (std::size_t i = 1; i < Rows().size(); ++i)
        titles += std::string(i > 1 ? "\n" : "") + Rows()[i].Title;
    ExpectBoxes({kRegisterQuestion,
                 {MsgKind::Warning,
                  "No free area number is left in \"scenery.cfg\" (Area.999 is in use).\nThese areas were not "
                  "registered:\n" +
                      titles,
                  "Warning"}});
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original) + NewSection(999, Rows()[0], 6)));
    EXPECT_FALSE(Exists(newConfig));
}

TEST_P(SceneryButtonsTest, OverlongPathsStopBeforeAnythingIsTouched) {
    // Fits itself, but not with "\scenery.QZ_BAK" after it.
    const std::string longBox = box + "\\" + std::string(259 - box.size() - 1 - 14 + 1, 'L');
    ASSERT_LE(longBox.size(), 259u);
    WriteBytes(longBox + "\\scenery.cfg", "[A]\n");
    GiveAllScenery();
    backend.AnswerNextBox(MsgResult::Yes);
    SceneryAddButton(Edition(), longBox, addon, backend);
    ExpectBoxes({kRegisterQuestion,
                 {MsgKind::Error,
                  "The path is too long.\n" + longBox + "\\scenery.QZ_BAK\nThe process will be stopped.", "Error"}});
    EXPECT_TRUE(SameBytes(ReadBytes(longBox + "\\scenery.cfg"), "[A]\n"));

    const std::string longAddon = dir.Path(std::string(260, 'P'));
    WriteBytes(config, "[A]\n");
    backend.AnswerNextBox(MsgResult::Yes);
    SceneryDelButton(Edition(), box, longAddon, backend);
    ExpectBoxes({kDeleteQuestion,
                 {MsgKind::Error, "The path is too long.\n" + longAddon + "\nThe process will be stopped.", "Error"}});
    EXPECT_FALSE(Exists(backup));
}

TEST_P(SceneryButtonsTest, DeleteWithNothingListedStillBacksUp) {
    const std::string original = "[Area.001]\nLocal=Scenery\\X\nLayer=1\n";
    WriteBytes(config, original);
    GiveAllScenery();
    Delete();
    ExpectBoxes({kDeleteQuestion, kDeleteDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
    ExpectCopyAfterSuccess();
}

TEST_P(SceneryButtonsTest, JapaneseTexts) {
    Flag_Japanese = true;
    Register();
    ExpectBoxes({{MsgKind::Question, "シーナリーライブラリの登録を行ってもよろしいですか？", "確認"},
                 {MsgKind::Error, "scenery.cfg が存在しません。\n処理を中止します。", "中止"}});
    WriteBytes(config, "");
    Register();
    ExpectBoxes({{MsgKind::Question, "シーナリーライブラリの登録を行ってもよろしいですか？", "確認"},
                 {MsgKind::Warning, "シーナリーライブラリに登録されるシーナリーはありませんでした。", "警告"},
                 {MsgKind::Information, "シーナリーライブラリの登録が完了しました。", "完了"}});
    GiveAllScenery();
    WriteBytes(config, "[Area.999]\nLayer=1\n");
    Register();
    ExpectBoxes({{MsgKind::Question, "シーナリーライブラリの登録を行ってもよろしいですか？", "確認"},
                 {MsgKind::Warning,
                  "エリア番号に空きがないため、次のシーナリーエリアを登録できませんでした。\n" +
                      [this] {
                          std::string titles;
                          for (const AREA_DEF& row : Rows())
                              titles += std::string(titles.empty() ? "" : "\n") + row.Title;
                          return titles;
                      }(),
                  "警告"}});
    WriteBytes(config, "[Area.001]\nLocal=" + Local(Rows()[0]) + "\nLayer=x\n");
    Delete({MsgResult::Yes, MsgResult::Yes});
    std::vector<Box> expected{{MsgKind::Question, "シーナリーライブラリの削除を行ってもよろしいですか？", "確認"}};
    if (Is2004())
        expected.push_back({MsgKind::Question,
                            "シーナリーエリア \"Vellmora - AFCAD2\" は残したままでよろしいですか？\n"
                            "（本製品以外のAmbrelloシリーズをご使用される場合：\"はい\"を選択）",
                            "確認"});
    else
        expected.push_back(
            {MsgKind::Error,
             "scenery.cfg の更新中にエラーが発生しました。\n[Area.001] の \"Layer\" の値が整数ではありませ"
             "ん: \"x\"\n処理を中止します。",
             "エラー"});
    if (Is2004())
        expected.push_back({MsgKind::Information, "シーナリーライブラリの削除が完了しました。", "完了"});
    ExpectBoxes(expected);
    Flag_Japanese = false;
}

INSTANTIATE_TEST_SUITE_P(Editions, SceneryButtonsTest, ::testing::Values(&kScenery2002, &kScenery2004),
                         [](const ::testing::TestParamInfo<const SceneryEdition*>& info) {
                             return info.param->SaveNewScenery ? std::string("FS2004") : std::string("FS2002");
                         });

} // namespace
