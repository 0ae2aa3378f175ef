#pragma once
// Conversions between UTF-8 (the user-interface texts) and the system ANSI code page (paths and
// the contents of scenery.cfg). On POSIX the ANSI code page is taken to be UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::string AnsiToUtf8(std::string_view ansi);
// nullopt when the text holds a character that the ANSI code page cannot represent.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// True when `byte` starts a double-byte character in the ANSI code page (Shift_JIS on a Japanese
// system), whose second byte may then be 0x5C, the byte of "\".
bool IsLeadByte(unsigned char byte);

} // namespace platform
