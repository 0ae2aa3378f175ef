#include "platform/PathRules.h"

#include <cstddef>

namespace platform {

namespace {

constexpr std::size_t kMaxPathChars = 259;

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsUnc(std::string_view path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\' && (path.size() < 3 || path[2] != '?');
}

// The character at `i`, or NUL past the end, as the shell's loops over C strings see it.
char At(std::string_view s, std::size_t i) {
    return i < s.size() ? s[i] : '\0';
}

// Length of the common root of two paths, 0 when they have none (PathCommonPrefix).
std::size_t CommonRoot(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    if (IsUnc(a) || IsUnc(b)) {
        if (!IsUnc(a) || !IsUnc(b))
            return 0;
        i = 2;
    }
    std::size_t common = 0;
    for (;; ++i) {
        const char ca = At(a, i);
        const char cb = At(b, i);
        if ((ca == '\0' || ca == '\\') && (cb == '\0' || cb == '\\'))
            common = i;
        if (ca == '\0' || FoldAscii(ca) != FoldAscii(cb))
            break;
    }
    // "C:" and "C:\" are the same root to the shell.
    return common == 2 ? 3 : common;
}

} // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

std::optional<std::string> RelativePathRule(std::string_view from, std::string_view to) {
    const std::size_t root = CommonRoot(from, to);
    if (root == 0)
        return std::nullopt;

    std::string result;
    // What is left of `from` past the root: one step up for each of its components.
    std::string_view rest = root < from.size() ? from.substr(root) : std::string_view();
    if (rest.empty())
        result = ".";
    if (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('\\');
        if (slash == std::string_view::npos) {
            rest = {};
        } else {
            // A doubled "\" counts as one separator.
            const std::size_t next = (slash + 1 < rest.size() && rest[slash + 1] == '\\') ? slash + 2 : slash + 1;
            rest.remove_prefix(next);
        }
        result += rest.empty() ? ".." : "..\\";
    }

    // Then the rest of `to`, beginning with the "\" before it.
    if (root < to.size()) {
        std::size_t start = root;
        if (to[start] != '\\')
            --start;
        result.append(to.substr(start));
    }
    if (result.size() > kMaxPathChars)
        return std::nullopt;
    return result;
}

} // namespace platform
