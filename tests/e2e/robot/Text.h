#pragma once
// UTF-8 inside the tests, UTF-16 at the Win32 edge.
#include <string>
#include <string_view>

namespace robot {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// The system's message for an error code, as FormatMessage gives it, without its line end.
std::string SystemText(unsigned long code);
// `text` with line breaks and control characters shown as escapes, for failure messages.
std::string Quote(std::string_view text);

} // namespace robot
