#include "env/Language.h"

bool Flag_Japanese = false;

std::string FormatText(const char* format, const std::string& arg) {
    std::string text(format);
    const auto at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, arg);
    return text;
}
