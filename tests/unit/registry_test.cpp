#include "env/Registry.h"
#include "framework/RegistryReader.h"
#include "tests/unit/support/Fakes.h"

#include <gtest/gtest.h>

namespace {

using platform::RegRoot;
constexpr const char* kFs9 = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
constexpr const char* kFs8 = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
constexpr const char* kPackage = "Software\\Vellmora\\PRQ_DL\\Pellarin2";
constexpr const char* kIntl = "Control Panel\\International";

TEST(GetFsPath, KeyAbsentLeavesTextUntouched) {
    test::FakeRegistry registry;
    std::string path = "before";
    EXPECT_FALSE(GetFsPath(registry, path, 0));
    EXPECT_FALSE(GetFsPath(registry, path, 1));
    EXPECT_EQ(path, "before");
}

TEST(GetFsPath, IndexPicksTheSimulatorKey) {
    test::FakeRegistry registry;
    registry.SetText(RegRoot::LocalMachine, kFs9, "EXE Path", "C:\\FS9");
    registry.SetText(RegRoot::LocalMachine, kFs8, "EXE Path", "D:\\FS2002\\");
    std::string path;
    ASSERT_TRUE(GetFsPath(registry, path, 0));
    EXPECT_EQ(path, "C:\\FS9");
    ASSERT_TRUE(GetFsPath(registry, path, 1));
    EXPECT_EQ(path, "D:\\FS2002\\");
}

// Values come back exactly as stored, whatever they hold.
TEST(GetFsPath, ValueRules) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::string data;
        std::string expected;
    };
    const Case cases[] = {
        {"plain", platform::kRegSz, std::string("C:\\FS9\0", 7), "C:\\FS9"},
        {"trailing backslash and blanks", platform::kRegSz, std::string(" C:\\FS9\\ \0", 10), " C:\\FS9\\ "},
        {"not expanded", platform::kRegExpandSz, std::string("%ProgramFiles%\\FS9\0", 19), "%ProgramFiles%\\FS9"},
        {"NUL in the middle", platform::kRegSz, std::string("C:\\A\0B\0", 7), "C:\\A"},
        {"no terminating NUL", platform::kRegSz, "C:\\X", "C:\\X"},
        {"size 0 of any type", platform::kRegDword, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeRegistry registry;
        registry.Set(RegRoot::LocalMachine, kFs9, "EXE Path", {c.type, c.data, false});
        std::string path = "x";
        ASSERT_TRUE(GetFsPath(registry, path, 0));
        EXPECT_EQ(path, c.expected);
    }
}

TEST(GetFsPath, MissingValueIsEmptyText) {
    test::FakeRegistry registry;
    registry.AddKey(RegRoot::LocalMachine, kFs8);
    std::string path = "x";
    ASSERT_TRUE(GetFsPath(registry, path, 1));
    EXPECT_EQ(path, "");
}

TEST(GetAddonPath, WrongTypesAndFailedReadsEscapeNamingTheValue) {
    const std::uint32_t types[] = {platform::kRegDword, platform::kRegBinary, platform::kRegMultiSz};
    for (std::uint32_t type : types) {
        SCOPED_TRACE(type);
        test::FakeRegistry registry;
        registry.Set(RegRoot::LocalMachine, kPackage, "Path", {type, std::string("\x05\0\0\0", 4), false});
        std::string path;
        try {
            GetAddonPath(registry, path);
            ADD_FAILURE() << "no error";
        } catch (const fw::ERegistryException& e) {
            EXPECT_NE(std::string(e.what()).find("'Path'"), std::string::npos) << e.what();
        }
    }
    test::FakeRegistry registry;
    registry.Set(RegRoot::LocalMachine, kPackage, "Path", {platform::kRegSz, "abc", true});
    std::string path;
    EXPECT_THROW(GetAddonPath(registry, path), fw::ERegistryException);
}

TEST(IsJapaneseLocale, OnlyTheExactValue) {
    const struct {
        std::string data;
        bool japanese;
    } cases[] = {
        {std::string("00000411\0", 9), true}, {std::string("00000409\0", 9), false},
        {std::string("411\0", 4), false},     {std::string("00000411 \0", 10), false},
        {std::string("", 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        test::FakeRegistry registry;
        registry.Set(RegRoot::CurrentUser, kIntl, "Locale", {platform::kRegSz, c.data, false});
        EXPECT_EQ(IsJapaneseLocale(registry), c.japanese);
    }
    test::FakeRegistry none;
    EXPECT_FALSE(IsJapaneseLocale(none));
}

} // namespace
