#include "robot/Files.h"

#include "robot/Text.h"
#include "robot/Wait.h"

#include <windows.h>

#include <algorithm>

namespace robot::files {

namespace {

std::string ErrorText(const std::string& action, const std::string& path) {
    return "cannot " + action + " " + path + ": error " + std::to_string(GetLastError());
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::string Parent(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolder(const std::string& path) {
    if (path.empty() || IsFolder(path) || (path.size() == 2 && path[1] == ':'))
        return;
    MakeFolder(Parent(path));
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw RobotError(ErrorText("create the folder", path));
}

void WriteFile(const std::string& path, const std::string& bytes) {
    MakeFolder(Parent(path));
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throw RobotError(ErrorText("create", path));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw RobotError(ErrorText("write", path));
}

std::string ReadFile(const std::string& path) {
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throw RobotError(ErrorText("open", path));
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

void Copy(const std::string& from, const std::string& to) {
    MakeFolder(Parent(to));
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw RobotError(ErrorText("copy " + from + " to", to));
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : List(path))
            RemoveTree(Join(path, name));
        if (!RemoveDirectoryA(path.c_str()))
            throw RobotError(ErrorText("remove the folder", path));
        return;
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str()))
        throw RobotError(ErrorText("delete", path));
}

void SetReadOnly(const std::string& path, bool readOnly) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throw RobotError(ErrorText("read the attributes of", path));
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes))
        throw RobotError(ErrorText("set the attributes of", path));
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::vector<std::string> List(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Join(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

std::string FromUnix(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

::testing::AssertionResult HasBytes(const std::string& path, const std::string& expected) {
    if (!Exists(path))
        return ::testing::AssertionFailure() << path << " does not exist";
    const std::string actual = ReadFile(path);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const size_t offset = static_cast<size_t>(mismatch.first - actual.begin());
    const size_t line = 1 + static_cast<size_t>(std::count(actual.begin(), mismatch.first, '\n'));
    auto lineAt = [](const std::string& text, size_t at) {
        const size_t begin = text.rfind('\n', at == 0 ? 0 : at - 1);
        const size_t from = begin == std::string::npos || at == 0 ? 0 : begin + 1;
        return text.substr(from, text.find('\n', from) - from);
    };
    return ::testing::AssertionFailure() << path << " differs at byte " << offset << " (line " << line << "; "
                                         << actual.size() << " bytes, expected " << expected.size()
                                         << ")\n  actual:   " << Quote(lineAt(actual, offset))
                                         << "\n  expected: " << Quote(lineAt(expected, offset));
}

::testing::AssertionResult SameBytes(const std::string& path, const std::string& expectedPath) {
    return HasBytes(path, ReadFile(expectedPath));
}

} // namespace robot::files
