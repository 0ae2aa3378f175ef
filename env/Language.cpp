#include "env/Language.h"

bool Flag_Japanese = false;

std::string FormatText(const char* format, std::initializer_list<std::string> args) {
    std::string text;
    auto arg = args.begin();
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && arg != args.end()) {
            text += *arg++;
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
