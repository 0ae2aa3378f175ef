#pragma once
// File services with Windows semantics. Paths are Windows-style byte strings in the system ANSI
// code page ("C:\FS9\scenery.cfg"); the POSIX build maps them onto its own file system.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

// The longest path the Windows calls accept (MAX_PATH less the terminating NUL).
inline constexpr std::size_t kMaxPath = 259;

// True only for an existing file, not for a folder of that name.
bool FileExists(const std::string& path);
// nullopt when the path does not exist.
std::optional<std::uint32_t> GetAttributes(const std::string& path);
bool SetAttributes(const std::string& path, std::uint32_t attributes);
// Plain copy, as CopyFileA: overwrites an existing target unless failIfExists.
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);

struct ReadResult {
    enum class Status { Ok, Missing, Failed } status = Status::Missing;
    std::string bytes;
    std::string error; // the system's reason (UTF-8, for display), when Failed
};
// Reads a whole file, allowing others only to read it meanwhile. A missing path, or a folder of
// that name, is Missing.
ReadResult ReadWholeFile(const std::string& path);

struct WriteResult {
    bool ok = false;
    std::string error; // the system's reason (UTF-8, for display), when not ok
};
// Replaces the file's contents in one step: writes a temporary file beside it, checks every
// write up to the close, then puts it in the target's place. A read-only target is refused; the
// target's hidden and system attributes are kept. On failure the target is unchanged.
WriteResult ReplaceFileContents(const std::string& path, const std::string& bytes);

// True when at least one directory entry matches `pattern` (a folder and a wildcard name such as
// "C:\Pkg\Scenery\*.bgl"), as FindFirstFileA finds it: letter case ignored, no recursion.
bool AnyMatch(const std::string& pattern);

// The relative path from folder `from` to folder `to`, as PathRelativePathToA forms it for two
// directories; nullopt when the two have no common root.
std::optional<std::string> RelativePathTo(const std::string& from, const std::string& to);

} // namespace platform
