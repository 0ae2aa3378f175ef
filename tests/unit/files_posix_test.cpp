// The POSIX file services: Windows-style paths on the native file system.
#include "platform/Files.h"
#include "tests/unit/SceneryTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using scenery_test::Native;
using scenery_test::ReadBytes;
using scenery_test::TempDir;
using scenery_test::WriteBytes;

mode_t ModeOf(const std::string& path) {
    struct stat st;
    EXPECT_EQ(::stat(Native(path).c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

std::size_t EntriesIn(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Native(folder)))
        ++n;
    return n;
}

TEST(PosixFiles, ExistsAndAttributes) {
    TempDir dir;
    const std::string file = dir.Path("FS9\\scenery.cfg");
    WriteBytes(file, "x");
    EXPECT_TRUE(platform::FileExists(file));
    EXPECT_FALSE(platform::FileExists(dir.Path("FS9")));
    EXPECT_FALSE(platform::FileExists(dir.Path("FS9\\missing.cfg")));

    EXPECT_EQ(platform::GetAttributes(dir.Path("FS9\\missing.cfg")), std::nullopt);
    EXPECT_EQ(platform::GetAttributes(dir.Path("FS9")).value_or(0) & platform::kAttrDirectory,
              platform::kAttrDirectory);
    EXPECT_EQ(platform::GetAttributes(file), platform::kAttrArchive);

    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrReadOnly | platform::kAttrArchive));
    EXPECT_EQ(ModeOf(file) & 0222, 0u);
    EXPECT_EQ(platform::GetAttributes(file), platform::kAttrReadOnly | platform::kAttrArchive);
    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrArchive));
    EXPECT_NE(ModeOf(file) & S_IWUSR, 0u);
    EXPECT_EQ(platform::GetAttributes(file), platform::kAttrArchive);
    EXPECT_FALSE(platform::SetAttributes(dir.Path("FS9\\missing.cfg"), platform::kAttrArchive));
}

TEST(PosixFiles, CopyFileAsCopyFileA) {
    TempDir dir;
    const std::string from = dir.Path("scenery.cfg");
    const std::string to = dir.Path("scenery.QZ_BAK");
    WriteBytes(from, std::string("a\0b\r\n", 5));
    ASSERT_TRUE(platform::CopyFile(from, to, false));
    EXPECT_EQ(ReadBytes(to), std::string("a\0b\r\n", 5));

    WriteBytes(from, "new");
    EXPECT_FALSE(platform::CopyFile(from, to, true));
    EXPECT_EQ(ReadBytes(to), std::string("a\0b\r\n", 5));
    ASSERT_TRUE(platform::CopyFile(from, to, false));
    EXPECT_EQ(ReadBytes(to), "new");

    // A read-only target is refused, as Windows refuses it, even to root.
    ::chmod(Native(to).c_str(), 0444);
    WriteBytes(from, "newer");
    EXPECT_FALSE(platform::CopyFile(from, to, false));
    EXPECT_EQ(ReadBytes(to), "new");

    EXPECT_FALSE(platform::CopyFile(dir.Path("missing"), dir.Path("copy"), false));
    EXPECT_FALSE(scenery_test::Exists(dir.Path("copy")));
}

TEST(PosixFiles, ReadWholeFile) {
    TempDir dir;
    EXPECT_EQ(platform::ReadWholeFile(dir.Path("missing.cfg")).status, platform::ReadResult::Status::Missing);
    EXPECT_EQ(platform::ReadWholeFile(dir.Path()).status, platform::ReadResult::Status::Missing);
    EXPECT_EQ(platform::ReadWholeFile(dir.Path("no\\such\\folder\\x")).status, platform::ReadResult::Status::Missing);

    const std::string big(200000, 'x');
    WriteBytes(dir.Path("big.cfg"), big);
    const platform::ReadResult read = platform::ReadWholeFile(dir.Path("big.cfg"));
    EXPECT_EQ(read.status, platform::ReadResult::Status::Ok);
    EXPECT_EQ(read.bytes, big);
}

TEST(PosixFiles, ReplaceFileContentsKeepsModeAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    ASSERT_TRUE(platform::ReplaceFileContents(file, "first").ok);
    EXPECT_EQ(ReadBytes(file), "first");

    ::chmod(Native(file).c_str(), 0640);
    ASSERT_TRUE(platform::ReplaceFileContents(file, "second").ok);
    EXPECT_EQ(ReadBytes(file), "second");
    EXPECT_EQ(ModeOf(file), 0640u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(PosixFiles, ReplaceFileContentsFailuresLeaveTheTargetAsItWas) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    WriteBytes(file, "original");

    ::chmod(Native(file).c_str(), 0444);
    platform::WriteResult write = platform::ReplaceFileContents(file, "changed");
    EXPECT_FALSE(write.ok);
    EXPECT_FALSE(write.error.empty());
    EXPECT_EQ(ReadBytes(file), "original");
    EXPECT_EQ(ModeOf(file), 0444u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    write = platform::ReplaceFileContents(dir.Path("missing\\scenery.cfg"), "x");
    EXPECT_FALSE(write.ok);
    EXPECT_FALSE(write.error.empty());

    std::filesystem::create_directory(Native(dir.Path("folder.cfg")));
    EXPECT_FALSE(platform::ReplaceFileContents(dir.Path("folder.cfg"), "x").ok);
}

// A write that fails part way (the file size limit stands in for a full disk) removes the
// temporary file and keeps the original.
TEST(PosixFiles, ReplaceFileContentsWriteFailure) {
    TempDir dir;
    const std::string file = dir.Path("scenery.cfg");
    WriteBytes(file, "original");
    rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const platform::WriteResult write = platform::ReplaceFileContents(file, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(write.ok);
    EXPECT_FALSE(write.error.empty());
    EXPECT_EQ(ReadBytes(file), "original");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(PosixFiles, AnyMatchSearchesTheFolderItselfIgnoringCase) {
    struct Case {
        const char* what;
        const char* entry; // created below the scenery folder; a trailing "\" makes a folder
        bool expected;
    };
    const Case cases[] = {
        {"upper-case name", "AREA.BGL", true},
        {"lower-case name", "area.bgl", true},
        {"a folder named like a scenery file", "d.bgl\\", true},
        {"only in a subfolder", "sub\\x.bgl", false},
        {"longer extension", "x.bglx", false},
        {"other extension", "x.bgl.txt", false},
        {"nothing", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string folder = dir.Path("Pkg\\Scenery");
        std::filesystem::create_directories(Native(folder));
        if (c.entry) {
            const std::string entry = folder + "\\" + c.entry;
            if (entry.back() == '\\')
                std::filesystem::create_directories(Native(entry));
            else
                WriteBytes(entry, "bgl");
        }
        EXPECT_EQ(platform::AnyMatch(folder + "\\*.bgl"), c.expected);
    }
    TempDir dir;
    EXPECT_FALSE(platform::AnyMatch(dir.Path("missing\\*.bgl")));
}

} // namespace
