#include "platform/Text.h"

namespace platform {

std::string AnsiToUtf8(std::string_view ansi) {
    return std::string(ansi);
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    return std::string(utf8);
}

// UTF-8 never uses 0x5C inside a character.
bool IsLeadByte(unsigned char) {
    return false;
}

} // namespace platform
