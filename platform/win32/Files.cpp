// File services over the ANSI Win32 calls; paths are bytes in the system code page.
#include "platform/Files.h"

#include "platform/win32/Wide.h"
#include "platform/win32/Windows.h"

#include <shlwapi.h>

#include <algorithm>

namespace platform {

namespace {

// An open file handle, closed when it goes out of scope unless Close() already did.
class File {
public:
    explicit File(HANDLE handle) : handle_(handle) {}
    ~File() { Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now and tells whether the close succeeded (the last chance for a write to fail).
    bool Close() {
        if (!IsOpen())
            return true;
        const bool ok = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

bool IsNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH || error == ERROR_BAD_PATHNAME;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    if (slash == 2 && path[1] == ':')
        return path.substr(0, 3); // "C:\" stays a root
    return path.substr(0, slash);
}

WriteResult Failure(DWORD error) {
    return {false, win32::SystemErrorText(error)};
}

} // namespace

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint32_t> GetAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool SetAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != 0;
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return result; // a folder of that name: Missing
    File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        if (!IsNotFound(error)) {
            result.status = ReadResult::Status::Failed;
            result.error = win32::SystemErrorText(error);
        }
        return result;
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0 && size.QuadPart < 0x40000000)
        result.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
            result.status = ReadResult::Status::Failed;
            result.error = win32::SystemErrorText(GetLastError());
            result.bytes.clear();
            return result;
        }
        if (read == 0)
            break;
        result.bytes.append(chunk, read);
    }
    result.status = ReadResult::Status::Ok;
    return result;
}

WriteResult ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return Failure(ERROR_ACCESS_DENIED);
        // Tested here because Wine (as root) and MoveFileExA would replace a read-only file. The
        // reason is the one Windows gives for writing to a read-only file (and that Wine has a
        // text for, unlike ERROR_FILE_READ_ONLY).
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return Failure(ERROR_ACCESS_DENIED);
    }

    char temporary[MAX_PATH] = {};
    if (!GetTempFileNameA(FolderOf(path).c_str(), "qzt", 0, temporary))
        return Failure(GetLastError());
    // From here on every failure removes the temporary file; the target is untouched until the
    // single MoveFileExA at the end.
    auto fail = [&temporary](DWORD error) {
        DeleteFileA(temporary);
        return Failure(error);
    };

    File file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return fail(GetLastError());
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - offset, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + offset, chunk, &written, nullptr)) {
            const DWORD error = GetLastError();
            file.Close();
            return fail(error);
        }
        if (written != chunk) {
            file.Close();
            return fail(ERROR_DISK_FULL);
        }
        offset += written;
    }
    if (!FlushFileBuffers(file.Get())) {
        const DWORD error = GetLastError();
        file.Close();
        return fail(error);
    }
    if (!file.Close())
        return fail(GetLastError());

    // The hidden and system attributes travel with the new file into the target's place.
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const DWORD keep = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        if (keep && !SetFileAttributesA(temporary, keep | FILE_ATTRIBUTE_ARCHIVE))
            return fail(GetLastError());
    }
    if (!MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(GetLastError());
    return {true, {}};
}

bool AnyMatch(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    return find.IsOpen();
}

std::optional<std::string> RelativePathTo(const std::string& from, const std::string& to) {
    // PathRelativePathToA works in MAX_PATH buffers: longer paths cannot be given to it.
    if (from.size() > kMaxPath || to.size() > kMaxPath)
        return std::nullopt;
    char relative[MAX_PATH] = {};
    if (!PathRelativePathToA(relative, from.c_str(), FILE_ATTRIBUTE_DIRECTORY, to.c_str(), FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return std::string(relative);
}

} // namespace platform
