#include "ui/Selectfolder.h"

std::string SelectFolder(platform::System& system, void* owner, const std::string& title) {
    return system.SelectFolder(owner, title);
}

std::string CopyTrimPath(const std::string& src) {
    std::string dst = src;
    if (dst.size() >= 4 && dst.back() == '\\')
        TrimPath(dst);
    return dst;
}

void TrimPath(std::string& s) {
    while (!s.empty() && s.back() == '\\')
        s.pop_back();
}
