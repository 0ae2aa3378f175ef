// The portable relative-path rule of the native build against the shell's own
// PathRelativePathToA, case by case. Both must agree, since an area registered under one form of
// path is recognised only under the same form.
//
// The harness is built with another thread model than the programs' libraries, so the pure rule
// is compiled in here directly; shlwapi is loaded at run time for the same reason.
#include "platform/PathRules.cpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

namespace {

using PathRelativePathToAFn = BOOL(WINAPI*)(LPSTR, LPCSTR, DWORD, LPCSTR, DWORD);

std::optional<std::string> Shell(const std::string& from, const std::string& to) {
    static const auto function = reinterpret_cast<PathRelativePathToAFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shlwapi.dll"), "PathRelativePathToA")));
    EXPECT_NE(function, nullptr);
    if (!function)
        return std::nullopt;
    char relative[MAX_PATH] = {};
    if (!function(relative, from.c_str(), FILE_ATTRIBUTE_DIRECTORY, to.c_str(), FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return std::string(relative);
}

TEST(RelativePath, PortableRuleMatchesTheShell) {
    const std::string longName(256, 'B'); // "C:\" and it: 259 characters
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\FS9", "c:\\Pkg\\A"},
        {"C:\\FS9", "C:\\FS9\\Pkg"},
        {"C:\\", "C:\\Pkg\\A"},
        {"C:\\FS9\\", "C:\\FS9\\Pkg"},
        {"C:\\FS9", "D:\\Pkg"},
        {"\\\\srvA\\share\\FS9", "\\\\srvB\\share\\Pkg"},
        {"\\\\srv\\share\\FS9", "\\\\srv\\share\\Pkg"},
        {"\\\\srv\\share", "\\\\srv\\share\\Pkg"},
        {"\\\\srv\\share\\FS9", "C:\\Pkg"},
        {"C:\\Games\\FS9", "C:\\Games\\FS9"},
        {"C:\\Games\\FS9", "C:\\Games\\FS9x\\A"},
        {"C:\\Games\\Sim\\FS9", "C:\\Games\\Pkg\\A"},
        {"C:\\FS9", "c:\\fs9\\PKG"},
        {"C:\\FS9", "C:\\"},
        {"C:\\FS9", "C:\\FS9\\Pkg\\"},
        {"C:\\A\\\\B", "C:\\X"},
        {"C:\\FS9\\.", "C:\\FS9\\Pkg"},
        {"C:\\FS9", "C:/FS9/Pkg"},
        {"", "C:\\X"},
        {"C:\\A", "C:\\" + longName},
        {"C:\\A\\C", "C:\\" + longName},
        // The forms the programs produce for a package beside, below and above the simulator.
        {"C:\\Program Files\\Microsoft Games\\FS9", "C:\\Ambrello\\Addon Scenery\\Vellmora\\ROKJ"},
        {"C:\\FS9", "C:\\FS9\\Ambrello\\Addon Scenery\\Vellmora\\KQ9_Vehicles"},
        {"C:\\Games\\FS9", "C:\\Games\\Addon Scenery\\Vellmora\\AFCAD2"},
        {"d:\\fs2002", "D:\\FS2002 Addons\\Addon Scenery\\Vellmora\\RJSA"},
    };
    for (const auto& [from, to] : cases) {
        SCOPED_TRACE(from + " -> " + to);
        EXPECT_EQ(platform::RelativePathRule(from, to), Shell(from, to));
    }
}

} // namespace
