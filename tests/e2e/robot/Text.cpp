#include "robot/Text.h"
#include "robot/Wait.h"

#include <windows.h>

#include <cstdio>

namespace robot {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string SystemText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return Narrow(text);
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '"')
            quoted += "\\\"";
        else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
            quoted += escape;
        } else
            quoted += c;
    }
    return quoted + "\"";
}

void Pause(Duration duration) {
    Sleep(static_cast<DWORD>(duration.count()));
}

void WaitUntil(const std::string& what, const std::function<bool()>& condition, Duration timeout,
               const std::function<std::string()>& seen) {
    WaitFor<bool>(
        what, [&]() -> std::optional<bool> { return condition() ? std::optional<bool>(true) : std::nullopt; }, timeout,
        seen);
}

} // namespace robot
