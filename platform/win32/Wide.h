#pragma once
// UTF-8 <-> UTF-16 at the Win32 edge: every window text and shell path in UTF-16 goes through here.
#include <string>
#include <string_view>

namespace platform::win32 {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's text for an error code (FormatMessage), as UTF-8 without the trailing line break.
std::string SystemErrorText(unsigned long code);

} // namespace platform::win32
