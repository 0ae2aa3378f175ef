// The file services on POSIX. Windows-style paths are mapped by turning every "\" into "/"; the
// read-only attribute is the owner's write bit (as Wine maps it), and hidden and system have no
// counterpart here.
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string Native(const std::string& path) {
    std::string native = path;
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

std::string Reason(int error) {
    return std::strerror(error);
}

// A file descriptor closed on every path; Close() reports the close's own error.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool IsReadOnly(const struct stat& st) {
    return (st.st_mode & S_IWUSR) == 0;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// "*" and "?" wildcards, letter case ignored.
bool WildcardMatch(const char* pattern, const char* name) {
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*') {
        for (const char* rest = name;; ++rest) {
            if (WildcardMatch(pattern + 1, rest))
                return true;
            if (*rest == '\0')
                return false;
        }
    }
    if (*name == '\0')
        return false;
    if (*pattern != '?' && FoldAscii(*pattern) != FoldAscii(*name))
        return false;
    return WildcardMatch(pattern + 1, name + 1);
}

} // namespace

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(Native(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::uint32_t> GetAttributes(const std::string& path) {
    struct stat st;
    if (::stat(Native(path).c_str(), &st) != 0)
        return std::nullopt;
    std::uint32_t attributes = S_ISDIR(st.st_mode) ? kAttrDirectory : kAttrArchive;
    if (IsReadOnly(st))
        attributes |= kAttrReadOnly;
    return attributes;
}

bool SetAttributes(const std::string& path, std::uint32_t attributes) {
    const std::string native = Native(path);
    struct stat st;
    if (::stat(native.c_str(), &st) != 0)
        return false;
    mode_t mode = st.st_mode & 07777;
    if (attributes & kAttrReadOnly)
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    else
        mode |= S_IWUSR;
    return ::chmod(native.c_str(), mode) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    Fd in(::open(Native(from).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (!in.valid() || ::fstat(in.get(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    const std::string target = Native(to);
    struct stat old;
    if (::stat(target.c_str(), &old) == 0) {
        // Windows refuses to overwrite a read-only file, even where root could.
        if (failIfExists || S_ISDIR(old.st_mode) || IsReadOnly(old))
            return false;
    }
    Fd out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 0777));
    if (!out.valid())
        return false;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (!WriteAll(out.get(), buffer, static_cast<std::size_t>(n)))
            return false;
    }
    // The copy carries the source's attributes, as CopyFileA does.
    return ::fchmod(out.get(), st.st_mode & 07777) == 0 && out.Close();
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    Fd fd(::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return result;
        result.status = ReadResult::Status::Failed;
        result.error = Reason(error);
        return result;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) {
        result.status = ReadResult::Status::Failed;
        result.error = Reason(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode))
        return result;
    if (S_ISREG(st.st_mode))
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = ReadResult::Status::Failed;
            result.error = Reason(errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = ReadResult::Status::Ok;
    return result;
}

WriteResult ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string target = Native(path);
    mode_t mode = 0666 & ~[] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return {false, Reason(EISDIR)};
        // Root may write anywhere; the attribute is what the user set, so it is honoured here.
        if (IsReadOnly(st))
            return {false, Reason(EACCES)};
        mode = st.st_mode & 07777;
    }

    std::string temp = target + ".XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (!fd.valid())
        return {false, Reason(errno)};
    const auto fail = [&temp](int error) {
        ::unlink(temp.c_str());
        return WriteResult{false, Reason(error)};
    };
    if (!WriteAll(fd.get(), bytes.data(), bytes.size()) || ::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0)
        return fail(errno);
    if (!fd.Close())
        return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    return {true, {}};
}

bool AnyMatch(const std::string& pattern) {
    const std::string native = Native(pattern);
    const auto slash = native.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : native.substr(0, slash + 1);
    const std::string wildcard = slash == std::string::npos ? native : native.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (WildcardMatch(wildcard.c_str(), entry->d_name)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::optional<std::string> RelativePathTo(const std::string& from, const std::string& to) {
    return RelativePathRule(from, to);
}

} // namespace platform
