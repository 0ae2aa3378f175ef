#include "ui/Selectfolder.h"

#include "platform/Text.h"

std::string SelectFolder(platform::System& system, void* owner, const std::string& title) {
    return system.SelectFolder(owner, title);
}

std::size_t LengthWithoutTrailingBackslashes(const std::string& s, bool (*isLeadByte)(unsigned char)) {
    std::size_t kept = 0; // the end of the last character that is not a backslash
    for (std::size_t i = 0; i < s.size();) {
        const bool pair = isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size();
        const std::size_t next = i + (pair ? 2 : 1);
        if (pair || s[i] != '\\')
            kept = next;
        i = next;
    }
    return kept;
}

std::string CopyTrimPath(const std::string& src) {
    std::string dst = src;
    if (dst.size() >= 4)
        dst.resize(LengthWithoutTrailingBackslashes(dst, platform::IsLeadByte));
    return dst;
}

void TrimPath(std::string& s) {
    s.resize(LengthWithoutTrailingBackslashes(s, platform::IsLeadByte));
}
