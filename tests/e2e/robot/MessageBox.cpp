#include "robot/MessageBox.h"

#include "robot/Text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace robot {

namespace {

constexpr int kTextId = 0xFFFF;
// The icon static: 1088 under Wine, 20 on Windows.
constexpr int kIconIds[] = {1088, 20};
constexpr int kButtonIds[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};

bool IsMessageBox(const Window& window) {
    return window.ClassName() == "#32770" && window.FindChild(kTextId).has_value();
}

// 32-bit pixels of a w × h area.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> data;
};

// A top-down 32-bit DIB in a memory DC, painted by `paint`.
template <class Paint> Pixels Render(int width, int height, Paint paint) {
    Pixels pixels{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height)};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    paint(memory, screen);
    GdiFlush();
    std::memcpy(pixels.data.data(), bits, pixels.data.size() * sizeof(std::uint32_t));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Pixels GrabScreen(const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    return Render(width, height, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    });
}

Pixels DrawIcon(LPCWSTR id, int width, int height) {
    return Render(width, height, [&](HDC memory, HDC) {
        RECT all{0, 0, width, height};
        FillRect(memory, &all, GetSysColorBrush(COLOR_3DFACE));
        if (id)
            DrawIconEx(memory, 0, 0, LoadIconW(nullptr, id), width, height, 0, nullptr, DI_NORMAL);
    });
}

// Share of pixels that differ noticeably in any channel, in per mille.
int Difference(const Pixels& a, const Pixels& b) {
    int differing = 0;
    for (size_t i = 0; i < a.data.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            if (std::abs(static_cast<int>((a.data[i] >> shift) & 0xFF) -
                         static_cast<int>((b.data[i] >> shift) & 0xFF)) > 24) {
                ++differing;
                break;
            }
    return a.data.empty() ? 1000 : static_cast<int>(differing * 1000 / a.data.size());
}

struct IconCandidate {
    Icon icon;
    LPCWSTR id;
};
// IDI_HAND, IDI_EXCLAMATION, IDI_QUESTION, IDI_ASTERISK as wide resource names.
const IconCandidate kIcons[] = {{Icon::Error, MAKEINTRESOURCEW(32513)},
                                {Icon::Warning, MAKEINTRESOURCEW(32515)},
                                {Icon::Question, MAKEINTRESOURCEW(32514)},
                                {Icon::Information, MAKEINTRESOURCEW(32516)},
                                {Icon::None, nullptr}};
// At most this share (per mille) of pixels may differ for a grab to count as that icon.
constexpr int kMatchLimit = 20;

} // namespace

const char* ToString(Icon icon) {
    switch (icon) {
    case Icon::None:
        return "no icon";
    case Icon::Error:
        return "error icon";
    case Icon::Warning:
        return "warning icon";
    case Icon::Question:
        return "question icon";
    case Icon::Information:
        return "information icon";
    }
    return "?";
}

const char* ToString(BoxKind kind) {
    switch (kind) {
    case BoxKind::Error:
        return "error";
    case BoxKind::Warning:
        return "warning";
    case BoxKind::Question:
        return "question";
    case BoxKind::Information:
        return "information";
    case BoxKind::Other:
        return "other";
    }
    return "?";
}

std::string MsgBox::Text() const {
    return window_.Child(kTextId).Text();
}

std::vector<int> MsgBox::Buttons() const {
    std::vector<int> buttons;
    for (const Window& child : window_.Descendants())
        for (const int id : kButtonIds)
            if (child.Id() == id && child.Visible() && child.ClassName() == "Button")
                buttons.push_back(id);
    return buttons;
}

Icon MsgBox::ShownIcon(Duration timeout) const {
    std::optional<Window> iconStatic;
    for (const int id : kIconIds)
        if ((iconStatic = window_.FindChild(id)))
            break;
    if (!iconStatic || !iconStatic->Visible())
        return Icon::None;
    std::string last;
    return WaitFor<Icon>(
        "the icon of box " + Describe() + " to match a standard icon",
        [&]() -> std::optional<Icon> {
            window_.BringToTop();
            window_.Sync();
            const RECT rect = iconStatic->ScreenRect();
            const Pixels grab = GrabScreen(rect);
            last.clear();
            for (const IconCandidate& candidate : kIcons) {
                const int difference = Difference(grab, DrawIcon(candidate.id, grab.width, grab.height));
                last += std::string(last.empty() ? "" : ", ") + ToString(candidate.icon) + " " +
                        std::to_string(difference) + "‰";
                // A grab that shows no icon yet (the box not painted) is not an answer: wait.
                if (difference <= kMatchLimit && candidate.icon != Icon::None)
                    return candidate.icon;
            }
            return std::nullopt;
        },
        timeout, [&] { return "differences " + last; });
}

BoxKind MsgBox::Kind() const {
    const std::vector<int> buttons = Buttons();
    const bool okOnly = buttons == std::vector<int>{IDOK};
    const bool yesNo = buttons == std::vector<int>{IDYES, IDNO};
    switch (ShownIcon()) {
    case Icon::Error:
        return okOnly ? BoxKind::Error : BoxKind::Other;
    case Icon::Warning:
        return okOnly ? BoxKind::Warning : BoxKind::Other;
    case Icon::Information:
        return okOnly ? BoxKind::Information : BoxKind::Other;
    case Icon::Question:
        return yesNo ? BoxKind::Question : BoxKind::Other;
    case Icon::None:
        return BoxKind::Other;
    }
    return BoxKind::Other;
}

void MsgBox::Answer(int buttonId) const {
    const std::string what = "box " + Describe() + " to close after its button #" + std::to_string(buttonId);
    window_.Child(buttonId).PostClick();
    WaitUntil(what, [this] { return !window_.Exists() || !window_.Visible(); });
}

std::string MsgBox::Describe() const {
    if (!Exists())
        return "(closed box)";
    std::string buttons;
    for (const int id : Buttons())
        buttons += (buttons.empty() ? "" : ",") + std::to_string(id);
    return Quote(Caption()) + ": " + Quote(Text()) + " [buttons " + buttons + "]";
}

std::vector<MsgBox> MessageBoxes(DWORD pid) {
    std::vector<MsgBox> boxes;
    for (const Window& window : TopLevelWindows(pid))
        if (IsMessageBox(window))
            boxes.emplace_back(window);
    return boxes;
}

MsgBox WaitForMessageBox(DWORD pid, Duration timeout) {
    return WaitFor<MsgBox>(
        "a message box",
        [pid]() -> std::optional<MsgBox> {
            auto boxes = MessageBoxes(pid);
            if (boxes.empty())
                return std::nullopt;
            return boxes.front();
        },
        timeout, [pid] { return DescribeWindows(pid); });
}

void WaitForNoMessageBox(DWORD pid, Duration timeout) {
    WaitUntil(
        "no message box", [pid] { return MessageBoxes(pid).empty(); }, timeout,
        [pid] {
            std::string list;
            for (const MsgBox& box : MessageBoxes(pid))
                list += (list.empty() ? "" : "; ") + box.Describe();
            return list;
        });
}

} // namespace robot
