// ANSI code page <-> UTF-8 through UTF-16.
#include "platform/Text.h"

#include "platform/win32/Wide.h"
#include "platform/win32/Windows.h"

namespace platform {

std::string AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty())
        return {};
    const int size = static_cast<int>(ansi.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), n);
    return win32::Narrow(wide);
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    if (utf8.empty())
        return std::string();
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (n == 0)
        return std::nullopt; // not UTF-8 at all
    if (GetACP() == CP_UTF8)
        return std::string(utf8); // the "Beta: UTF-8" system setting: nothing to convert
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
    // No best-fit mapping: "ä" must not quietly become "a" in a path.
    BOOL usedDefault = FALSE;
    const int m = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), n, nullptr, 0, nullptr, &usedDefault);
    if (m == 0 || usedDefault)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), n, ansi.data(), m, nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return ansi;
}

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

} // namespace platform
