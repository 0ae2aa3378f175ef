#pragma once
// The user-interface language, chosen once at start-up, and the {Japanese, English} text pairs
// that every caption and message is made of. Texts are UTF-8.
#include <initializer_list>
#include <string>

extern bool Flag_Japanese;

struct Texts {
    const char* ja;
    const char* en;
};

inline const char* Tr(const Texts& texts) {
    return Flag_Japanese ? texts.ja : texts.en;
}

// `format` with each "%s" replaced, in order, by the next argument (no other directives); a "%s"
// without an argument stays as it is.
std::string FormatText(const char* format, std::initializer_list<std::string> args);
inline std::string FormatText(const char* format, const std::string& arg) {
    return FormatText(format, {arg});
}
