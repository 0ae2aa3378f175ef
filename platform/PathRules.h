#pragma once
// Path rules of the Windows shell written as pure string functions, so that the native build
// forms paths exactly as the programs do and tests can compare the two. Paths are Windows-style
// byte strings; letter case is folded for ASCII letters only.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Byte-by-byte equality with the letters a to z folded to A to Z.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The relative path from folder `from` to folder `to` as PathRelativePathToA forms it for two
// directories: the common root is the longest prefix that ends at a "\" (or the end) in both,
// letter case ignored, "C:" counting as "C:\"; each component of `from` past it becomes "..\"
// (the last one ".."), a `from` that is the root itself becomes "."; the rest of `to` follows,
// starting with its "\". So C:\FS9 to C:\Pkg\A gives ..\Pkg\A, C:\FS9 to C:\FS9\Pkg gives .\Pkg
// and C:\FS9\ (trailing "\") to C:\FS9\Pkg gives \Pkg. "/", "." and ".." are plain characters.
// nullopt when there is no common root (other drive, other UNC server) or the result would not
// fit the 259-character limit.
std::optional<std::string> RelativePathRule(std::string_view from, std::string_view to);

} // namespace platform
