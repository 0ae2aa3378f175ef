// Faults and bad input for the scenery buttons of both editions, through the headless backend:
// the boxes the user sees, scenery.cfg byte for byte (the old file or the fully edited one) and a
// next run that works. The large files are generated here.
#include "env/Language.h"
#include "env/Registry.h"
#include "framework/RegistryReader.h"
#include "framework/headless/HeadlessBackend.h"
#include "scenery/Inifile.h"
#include "scenery/Scenery.h"
#include "tests/unit/SceneryTestSupport.h"
#include "tests/unit/support/Fakes.h"

#include "tests/support/SavedText.h"
#include "tests/unit/SceneryButtonsFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
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

Box TooLong(const std::string& path) {
    return {MsgKind::Error, "The path is too long.\n" + path + "\nThe process will be stopped.", "Error"};
}

bool IsReadOnly(const std::string& path) {
    struct stat st;
    return ::stat(Native(path).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}
void SetReadOnly(const std::string& path) {
    ASSERT_EQ(::chmod(Native(path).c_str(), 0444), 0) << path;
}

class FaultTest : public SceneryButtonsFixture {
protected:
    // Delete with No to keeping the AFCAD2 area (FS2004), so that every package area goes.
    void DeleteAll() {
        if (Is2004())
            Delete({MsgResult::Yes, MsgResult::No});
        else
            Delete();
    }
    std::vector<Box> DeleteAllBoxes() const {
        if (Is2004())
            return {kDeleteQuestion, kKeepAfcad2, kDeleteDone};
        return {kDeleteQuestion, kDeleteDone};
    }
    // Register then delete every area: the fully edited file, then the original as saved.
    void RoundTrip(const std::string& original, const std::string& registered) {
        WriteBytes(config, original);
        GiveAllScenery();
        Register();
        ExpectBoxes({kRegisterQuestion, kRegisterDone});
        EXPECT_TRUE(SameBytes(ReadBytes(config), registered));
        EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
        ExpectCopyAfterSuccess();
        DeleteAll();
        ExpectBoxes(DeleteAllBoxes());
        EXPECT_TRUE(SameBytes(ReadBytes(backup), registered));
        ExpectCopyAfterSuccess();
    }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Native(box)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

const std::string kStart = "[General]\r\nTitle=T\r\n\r\n";

// A folder named scenery.cfg is no configuration file: both buttons stop with the missing box
// and nothing is made beside it; once it is a file, the next run goes through.
TEST_P(FaultTest, ConfigurationFileThatIsAFolder) {
    std::filesystem::create_directories(Native(config));
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kConfigMissing});
    Delete();
    ExpectBoxes({kDeleteQuestion, kConfigMissing});
    EXPECT_TRUE(std::filesystem::is_directory(Native(config)));
    EXPECT_TRUE(std::filesystem::is_empty(Native(config)));
    EXPECT_EQ(Listing(), std::vector<std::string>{"scenery.cfg"});

    std::filesystem::remove(Native(config));
    WriteBytes(config, kStart);
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), kStart + NewSections(0, 0)));
}

// A read-only backup cannot be refreshed; that copy is not looked at, so the run saves its edits
// and completes, and the old backup stays as it was.
TEST_P(FaultTest, ReadOnlyBackupStaysAndTheRunCompletes) {
    WriteBytes(config, kStart);
    WriteBytes(backup, "old backup");
    SetReadOnly(backup);
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), kStart + NewSections(0, 0)));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), "old backup"));
    EXPECT_TRUE(IsReadOnly(backup));
    ExpectCopyAfterSuccess();
    DeleteAll();
    ExpectBoxes(DeleteAllBoxes());
    EXPECT_TRUE(SameBytes(ReadBytes(config), kStart));
}

// Disk full in a delete run: the backup copy and the save both run out of room. The error box
// names the file and the reason, scenery.cfg is the old file, and with room again the next run
// goes through.
TEST_P(FaultTest, DiskFullDuringADeleteSave) {
    std::string original = kStart;
    for (std::size_t i = 0; i < Rows().size(); ++i)
        original += AreaSection(static_cast<int>(i) + 1, Rows()[i].Title, Local(Rows()[i]), static_cast<int>(i) + 1);
    original += AreaSection(50, "Other", "Scenery\\Other", 50);
    WriteBytes(config, original);
    GiveAllScenery();
    rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100; // less than any result of this run
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    DeleteAll();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    std::vector<Box> expected{kDeleteQuestion};
    if (Is2004())
        expected.push_back(kKeepAfcad2);
    expected.push_back(UpdateFailed("Cannot save \"" + config + "\": " + std::strerror(EFBIG)));
    ExpectBoxes(expected);
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
    EXPECT_FALSE(Exists(newConfig));
    // No temporary file is left behind (the backup may hold a partial copy: it is not checked).
    EXPECT_EQ(Listing(), (std::vector<std::string>{"scenery.QZ_BAK", "scenery.cfg"}));

    DeleteAll();
    ExpectBoxes(DeleteAllBoxes());
    EXPECT_TRUE(SameBytes(ReadBytes(config),
                          kStart + AreaSection(50, "Other", "Scenery\\Other", 50 - static_cast<int>(Rows().size()))));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
}

// Simulator folder box texts that name no usable folder: a clear box, nothing written.
TEST_P(FaultTest, UnusableSimulatorFolderTexts) {
    WriteBytes(config, kStart);
    GiveAllScenery();
    const std::string long300 = dir.Path(std::string(300 - dir.Path().size() - 1, 'F'));
    const struct {
        const char* what;
        std::string text;
        Box box;
    } cases[] = {
        {"spaces", "   ", kConfigMissing},
        {"a lone backslash", "\\", kConfigMissing},
        {"300 characters", long300, TooLong(long300)},
        {"300 characters and a backslash", long300 + "\\", TooLong(long300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Register({MsgResult::Yes}, c.text);
        ExpectBoxes({kRegisterQuestion, c.box});
    }
    EXPECT_TRUE(SameBytes(ReadBytes(config), kStart));
    EXPECT_EQ(Listing(), std::vector<std::string>{"scenery.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultTest, ::testing::Values(&kScenery2002, &kScenery2004),
                         [](const ::testing::TestParamInfo<const SceneryEdition*>& info) {
                             return info.param->SaveNewScenery ? std::string("FS2004") : std::string("FS2002");
                         });

// NewScenery.CFG read-only: its copy fails, which is not reported; the completion box follows and
// the copy keeps its old bytes.
class NewSceneryTest : public FaultTest {};

TEST_P(NewSceneryTest, ReadOnlyCopyStaysAndTheRunCompletes) {
    WriteBytes(config, kStart);
    WriteBytes(newConfig, "old copy");
    SetReadOnly(newConfig);
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), kStart + NewSections(0, 0)));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), kStart));
    EXPECT_TRUE(SameBytes(ReadBytes(newConfig), "old copy"));
    EXPECT_TRUE(IsReadOnly(newConfig));
}

INSTANTIATE_TEST_SUITE_P(Fs2004, NewSceneryTest, ::testing::Values(&kScenery2004),
                         [](const ::testing::TestParamInfo<const SceneryEdition*>&) { return std::string("FS2004"); });

// Bad input in scenery.cfg.
class BadInputTest : public FaultTest {};

// A NUL byte ends the text: what follows it is not part of the document and is gone after a
// save, but the backup holds the file as it was, NUL and all.
TEST_P(BadInputTest, NulByteEndsTheText) {
    const std::string before = kStart + "[Area.001]\r\nTitle=A\r\nLocal=Scenery\\A\r\nLayer=1\r\nTitle2=x";
    const std::string original = before + std::string(1, '\0') + "y\r\n[Area.002]\r\nLocal=Scenery\\B\r\nLayer=2\r\n";
    WriteBytes(config, original);
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(before) + NewSections(1, 1)));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
}

// 20 MB: a large section of other scenery and the package's areas; nothing is lost.
TEST_P(BadInputTest, TwentyMegabyteFile) {
    std::string original = kStart + "[Big]\r\n";
    original.reserve(21u << 20);
    char line[64];
    for (int i = 0; original.size() < (20u << 20); ++i) {
        std::snprintf(line, sizeof line, "Entry%07d=some value of scenery %07d\r\n", i, i);
        original += line;
    }
    original += "\r\n" + AreaSection(7, "Other", "Scenery\\Other", 3);
    RoundTrip(original, Saved(original) + NewSections(7, 3));
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original)));
}

// Lines of 1 MB: a title, a line without "=", a section name and a Local of that length survive
// both runs unchanged.
TEST_P(BadInputTest, LinesOfOneMegabyte) {
    const std::string mega(1u << 20, 'M');
    const std::string original = kStart + "[" + mega + "]\r\n" + mega + "\r\nKey=" + mega + "\r\n\r\n" +
                                 "[Area.001]\r\nTitle=" + mega + "\r\nLocal=" + mega + "\r\nLayer=1\r\n" + mega +
                                 "\r\n";
    RoundTrip(original, Saved(original) + NewSections(1, 1));
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original)));
}

// CR alone ends lines: the areas are found (a listed one is not added again) and the file is
// rewritten with CR LF.
TEST_P(BadInputTest, CarriageReturnLineEndsOnly) {
    const std::string original = "[General]\rTitle=T\r\r[Area.001]\rTitle=" + std::string(Rows()[0].Title) +
                                 "\rLocal=" + Local(Rows()[0]) +
                                 "\rActive=FALSE\rLayer=1\r\r[Area.004]\rLocal=X\rLayer=9\r";
    WriteBytes(config, original);
    GiveAllScenery();
    Register();
    ExpectBoxes({kRegisterQuestion, kRegisterDone});
    std::string added;
    for (std::size_t i = 1; i < Rows().size(); ++i)
        added += AreaSection(4 + static_cast<int>(i), Rows()[i].Title, Local(Rows()[i]), 9 + static_cast<int>(i));
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original) + added));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), original));
    DeleteAll();
    ExpectBoxes(DeleteAllBoxes());
    // The layers above each removed area move down; the other area ends at 9 - 1.
    EXPECT_TRUE(SameBytes(ReadBytes(config), "[General]\r\nTitle=T\r\n\r\n[Area.004]\r\nLocal=X\r\nLayer=8\r\n\r\n"));
}

// Two sections of one name: every lookup finds the first, so an area listed in the second is
// not seen, but no section is lost by any save.
TEST_P(BadInputTest, DuplicateSectionNames) {
    const std::string original =
        kStart + "[General]\r\nTitle=Second\r\n\r\n[Area.001]\r\nLocal=Scenery\\Other\r\nLayer=1\r\n\r\n" +
        "[Area.001]\r\nLocal=" + Local(Rows()[0]) + "\r\nLayer=5\r\n\r\n";
    RoundTrip(original, Saved(original) + NewSections(1, 1));
    EXPECT_TRUE(SameBytes(ReadBytes(config), Saved(original)));
}

// 999 area sections with the package's areas in the middle: deleting them closes the layer gap;
// registering again finds Area.999 in use and warns with every title, without the completion box.
TEST_P(BadInputTest, NineHundredNinetyNineAreaSections) {
    const int first = 500;
    const int count = static_cast<int>(Rows().size());
    auto build = [&](bool withPackage) {
        std::string text = kStart;
        for (int n = 1; n <= 999; ++n) {
            const bool package = n >= first && n < first + count;
            if (package && !withPackage)
                continue;
            const int layer = withPackage || n < first ? n : n - count;
            text += package ? AreaSection(n, Rows()[static_cast<std::size_t>(n - first)].Title,
                                          Local(Rows()[static_cast<std::size_t>(n - first)]), layer)
                            : AreaSection(n, "Other " + std::to_string(n), "Scenery\\" + std::to_string(n), layer);
        }
        return text;
    };
    const std::string original = build(true);
    WriteBytes(config, original);
    GiveAllScenery();
    DeleteAll();
    ExpectBoxes(DeleteAllBoxes());
    const std::string deleted = build(false);
    EXPECT_TRUE(SameBytes(ReadBytes(config), deleted));

    Register();
    std::string titles;
    for (const AREA_DEF& row : Rows())
        titles += std::string(titles.empty() ? "" : "\n") + row.Title;
    ExpectBoxes({kRegisterQuestion,
                 {MsgKind::Warning,
                  "No free area number is left in \"scenery.cfg\" (Area.999 is in use).\nThese areas were not "
                  "registered:\n" +
                      titles,
                  "Warning"}});
    EXPECT_TRUE(SameBytes(ReadBytes(config), deleted));
    EXPECT_TRUE(SameBytes(ReadBytes(backup), deleted));
}

// Shift_JIS bytes in titles, section names and paths (trail bytes that are "\" or letters among
// them) are kept byte for byte; the package folder itself may have such a name.
TEST_P(BadInputTest, ShiftJisTitlesAndPaths) {
    addonName = "\x83\x5c\x83\x74\x83\x67"; // ソフト: the first trail byte is "\"
    addon = dir.Path(addonName);
    const std::string original = kStart + "[\x93\xfa\x96\x7b]\r\nTitle=\x95\x5c\x8e\xa6\r\n\r\n" +
                                 "[Area.001]\r\nTitle=\x93\x8c\x8b\x9e \x83\x41\x83\x61\r\nLocal=Scenery\\\x95\x5c\r\n"
                                 "Layer=1\r\n\r\n";
    RoundTrip(original, original + NewSections(1, 1));
    EXPECT_TRUE(SameBytes(ReadBytes(config), original));
}

INSTANTIATE_TEST_SUITE_P(Editions, BadInputTest, ::testing::Values(&kScenery2002, &kScenery2004),
                         [](const ::testing::TestParamInfo<const SceneryEdition*>& info) {
                             return info.param->SaveNewScenery ? std::string("FS2004") : std::string("FS2002");
                         });

// The locale value of the wrong type escapes the lookup, naming the value, as the other two do.
TEST(LocaleLookup, WrongTypeEscapesNamingTheValue) {
    for (const std::uint32_t type : {platform::kRegDword, platform::kRegBinary, platform::kRegMultiSz}) {
        SCOPED_TRACE(type);
        test::FakeRegistry registry;
        registry.Set(platform::RegRoot::CurrentUser, "Control Panel\\International", "Locale",
                     {type, std::string("\x11\x04\0\0", 4), false});
        try {
            IsJapaneseLocale(registry);
            ADD_FAILURE() << "no error";
        } catch (const fw::ERegistryException& e) {
            EXPECT_EQ(std::string(e.what()), "Invalid data type for 'Locale'");
        }
    }
}

} // namespace
