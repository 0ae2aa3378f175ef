#include "platform/PathRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// The shell's relative path between two folders; the same table runs under Wine against the real
// function (tests/e2e/relativepath_test.cpp).
TEST(RelativePathRule, FormsThePathAsTheShellDoes) {
    struct Case {
        std::string from, to;
        std::optional<std::string> expected;
    };
    const std::string longName(256, 'B'); // C:\ and it: 259 characters
    const Case cases[] = {
        {"C:\\FS9", "c:\\Pkg\\A", "..\\Pkg\\A"},
        {"C:\\FS9", "C:\\FS9\\Pkg", ".\\Pkg"},
        {"C:\\", "C:\\Pkg\\A", ".\\Pkg\\A"},
        {"C:\\FS9\\", "C:\\FS9\\Pkg", "\\Pkg"},
        {"C:\\FS9", "D:\\Pkg", std::nullopt},
        {"\\\\srvA\\share\\FS9", "\\\\srvB\\share\\Pkg", std::nullopt},
        {"\\\\srv\\share\\FS9", "\\\\srv\\share\\Pkg", "..\\Pkg"},
        {"\\\\srv\\share", "\\\\srv\\share\\Pkg", ".\\Pkg"},
        {"\\\\srv\\share\\FS9", "C:\\Pkg", std::nullopt},
        {"C:\\Games\\FS9", "C:\\Games\\FS9", "."},
        {"C:\\Games\\FS9", "C:\\Games\\FS9x\\A", "..\\FS9x\\A"},
        {"C:\\Games\\Sim\\FS9", "C:\\Games\\Pkg\\A", "..\\..\\Pkg\\A"},
        {"C:\\FS9", "c:\\fs9\\PKG", ".\\PKG"},
        {"C:\\FS9", "C:\\", ".."},
        {"C:\\FS9", "C:\\FS9\\Pkg\\", ".\\Pkg\\"},
        {"C:\\A\\\\B", "C:\\X", "..\\..\\X"},
        {"C:\\FS9\\.", "C:\\FS9\\Pkg", "..\\Pkg"},
        {"C:\\FS9", "C:/FS9/Pkg", std::nullopt},
        {"", "C:\\X", std::nullopt},
        {"C:\\A", "C:\\" + longName, "..\\" + longName},
        {"C:\\A\\C", "C:\\" + longName, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from + " -> " + c.to);
        EXPECT_EQ(platform::RelativePathRule(c.from, c.to), c.expected);
    }
}

TEST(EqualsIgnoringAsciiCase, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(platform::EqualsIgnoringAsciiCase("C:\\FS9\\Scenery", "c:\\fs9\\sCENERY"));
    EXPECT_FALSE(platform::EqualsIgnoringAsciiCase("C:\\FS9", "C:\\FS9 "));
    EXPECT_FALSE(platform::EqualsIgnoringAsciiCase("\xC9", "\xE9")); // E acute, Latin-1: not folded
    EXPECT_FALSE(platform::EqualsIgnoringAsciiCase("[", "{"));       // 0x5B and 0x7B differ by the case bit
}

} // namespace
