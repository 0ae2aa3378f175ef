#include "framework/win32/Gdi.h"
#include "platform/win32/Wide.h"

#include <string>
#include <vector>

namespace fw::win32 {

namespace {

struct FaceList {
    std::vector<std::wstring> proportional;
    std::vector<std::wstring> fixed;
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD, LPARAM list) {
    const std::wstring face = font->lfFaceName;
    auto* faces = reinterpret_cast<FaceList*>(list);
    if (face.empty() || face[0] == L'@') // '@' faces are the vertical variants
        return 1;
    // The bit's name is historical: set means variable pitch.
    (metrics->tmPitchAndFamily & TMPF_FIXED_PITCH ? faces->proportional : faces->fixed).push_back(face);
    return 1;
}

// The faces the system has for a character set, proportional ones first; only `face` itself
// when one is given.
std::vector<std::wstring> FacesFor(BYTE charset, const std::wstring& face) {
    FaceList list;
    if (face.size() >= LF_FACESIZE)
        return {};
    LOGFONTW wanted{};
    wanted.lfCharSet = charset;
    face.copy(wanted.lfFaceName, face.size());
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, CollectFace, reinterpret_cast<LPARAM>(&list), 0);
    ReleaseDC(nullptr, dc);
    list.proportional.insert(list.proportional.end(), list.fixed.begin(), list.fixed.end());
    return list.proportional;
}

HFONT Create(const FontDesign& design, BYTE charset, const std::wstring& face) {
    return CreateFontW(design.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

bool HasLatinLetters(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    WORD glyph = 0xFFFF;
    const bool ok = GetGlyphIndicesW(dc, L"A", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return ok;
}

} // namespace

Font MakeFont(const FontDesign& design) {
    const std::wstring face = platform::win32::Widen(design.face);
    const BYTE charset = static_cast<BYTE>(design.charset);
    if (!FacesFor(DEFAULT_CHARSET, face).empty())
        return Font(Create(design, charset, face));
    // Without the design's face the font mapper goes by character set alone and may pick a face
    // that has no Latin letters (Wine's fallback font does), which leaves even English texts as
    // boxes. Take the first face of the set that has them, else the dialog face.
    for (const std::wstring& candidate : FacesFor(charset, L"")) {
        Font font(Create(design, charset, candidate));
        if (font.Get() && HasLatinLetters(font.Get()))
            return font;
    }
    return Font(Create(design, DEFAULT_CHARSET, L"MS Shell Dlg 2"));
}

} // namespace fw::win32
