#pragma once
// GDI objects owned by the windows that use them: copy deleted, move allowed, deleted at the end.
#include "platform/win32/Windows.h"

#include "framework/Design.h"

#include <utility>

namespace fw::win32 {

template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Handle Get() const { return handle_; }

private:
    void Reset() {
        if (handle_)
            DeleteObject(handle_);
        handle_ = nullptr;
    }
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// A design colour (0x00BBGGRR, or 0x80000000 | COLOR_xxx) as the screen shows it now.
inline COLORREF ResolveColor(unsigned color) {
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : static_cast<COLORREF>(color);
}

// The font of a design: face (UTF-8), height in the class library's sense (negative: character
// height in pixels), character set; no style.
Font MakeFont(const FontDesign& design);

} // namespace fw::win32
