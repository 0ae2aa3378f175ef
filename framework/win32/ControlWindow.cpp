#include "framework/win32/FormWindow.h"

#include "framework/Exception.h"
#include "framework/win32/Win32Backend.h"
#include "platform/win32/Wide.h"

#include <commctrl.h>

namespace fw::win32 {

using platform::win32::Narrow;
using platform::win32::Widen;

namespace {

struct NativeKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

NativeKind NativeKindOf(const ControlDesign& design) {
    switch (design.kind) {
    case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY, 0};
    case ControlKind::Edit:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Panel:
        // The caption centred on one line; the lowered outer bevel is the half-sunken edge.
        return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | (design.bevelLowered ? SS_SUNKEN : 0u), 0};
    case ControlKind::Label:
        return {L"STATIC", static_cast<DWORD>((design.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX), 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::CheckListBox:
        return {L"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

// The design's position is relative to the parent control; the window's is relative to the form.
POINT PositionInForm(const TControl& control) {
    POINT at{control.Design().left, control.Design().top};
    for (const TControl* parent = control.Parent(); parent; parent = parent->Parent()) {
        at.x += parent->Design().left;
        at.y += parent->Design().top;
    }
    return at;
}

int CheckSize(int itemHeight) {
    const int size = itemHeight - 1;
    return size < 9 ? 9 : size > 13 ? 13 : size;
}

} // namespace

ControlWindow::ControlWindow(FormWindow& form, TControl& control, int id) : form_(form), control_(control) {
    const ControlDesign& design = control.Design();
    const NativeKind kind = NativeKindOf(design);
    DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
    if (Focusable() && design.tabStop && design.tabOrder >= 0)
        style |= WS_TABSTOP;
    if (!control.EffectivelyEnabled())
        style |= WS_DISABLED;
    const POINT at = PositionInForm(control);
    const std::wstring text = control.Kind() == ControlKind::CheckListBox ? std::wstring() : Widen(control.Text());
    hwnd_ = CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, at.x, at.y, design.width, design.height,
                            form.Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_)
        throw Exception("Cannot create the window of " + control.Name());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.FontFor(design)), FALSE);
    switch (control.Kind()) {
    case ControlKind::Edit:
        SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0); // no length limit
        break;
    case ControlKind::CheckBox:
        SyncChecked();
        break;
    case ControlKind::CheckListBox:
        if (design.itemHeight > 0)
            SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, design.itemHeight);
        FillItems();
        SetWindowSubclass(hwnd_, ListProc, 1, reinterpret_cast<DWORD_PTR>(this));
        break;
    default:
        break;
    }
    control.AttachPeer(this);
}

ControlWindow::~ControlWindow() {
    control_.AttachPeer(nullptr);
    if (hwnd_ && control_.Kind() == ControlKind::CheckListBox)
        RemoveWindowSubclass(hwnd_, ListProc, 1);
}

bool ControlWindow::Focusable() const {
    switch (control_.Kind()) {
    case ControlKind::Button:
    case ControlKind::Edit:
    case ControlKind::CheckBox:
    case ControlKind::CheckListBox:
        return true;
    default:
        return false;
    }
}

std::string ControlWindow::ReadText() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int n = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return Narrow(text);
}

void ControlWindow::Update(Change what) {
    if (!hwnd_)
        return;
    switch (what) {
    case Change::Text:
        if (control_.Kind() == ControlKind::Edit) {
            // The object has raised OnChange already; the EN_CHANGE this causes is ours.
            mirroringText_ = true;
            SetWindowTextW(hwnd_, Widen(control_.Text()).c_str());
            mirroringText_ = false;
        } else {
            SetWindowTextW(hwnd_, Widen(control_.Text()).c_str());
            RedrawInParent(); // a shorter caption must not leave the old one's tail behind
        }
        break;
    case Change::Enabled:
        form_.SyncEnabled();
        break;
    case Change::Checked:
        SyncChecked();
        break;
    case Change::Items:
        FillItems();
        break;
    case Change::ItemIndex:
        SyncItemIndex();
        break;
    }
}

void ControlWindow::RedrawInParent() {
    RECT area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(nullptr, form_.Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(form_.Hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ControlWindow::SyncChecked() {
    if (control_.Kind() == ControlKind::CheckBox) {
        const bool checked = static_cast<TCheckBox&>(control_).Checked();
        SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (control_.Kind() == ControlKind::CheckListBox) {
        const auto& list = static_cast<TCheckListBox&>(control_);
        for (int i = 0; i < list.Count(); ++i)
            SendMessageW(hwnd_, LB_SETITEMDATA, i, list.ItemChecked(i) ? 1 : 0);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void ControlWindow::SyncItemIndex() {
    if (control_.Kind() != ControlKind::CheckListBox)
        return;
    const int index = static_cast<TCheckListBox&>(control_).ItemIndex();
    if (SendMessageW(hwnd_, LB_GETCURSEL, 0, 0) != index)
        SendMessageW(hwnd_, LB_SETCURSEL, index, 0);
}

void ControlWindow::FillItems() {
    const auto& list = static_cast<TCheckListBox&>(control_);
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.Count(); ++i)
        SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(list.Item(i)).c_str()));
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    SyncChecked();
    SyncItemIndex();
}

void ControlWindow::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (control_.Kind() != ControlKind::CheckListBox || item.CtlType != ODT_LISTBOX)
        return;
    const auto& list = static_cast<const TCheckListBox&>(control_);
    HDC dc = item.hDC;
    if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= list.Count()) {
        if (item.itemState & ODS_FOCUS)
            DrawFocusRect(dc, &item.rcItem);
        return;
    }
    const int index = static_cast<int>(item.itemID);
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const RECT& bounds = item.rcItem;
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_WINDOW));

    // The check box at the left, then the text; only the text part shows the highlight.
    const int size = CheckSize(bounds.bottom - bounds.top);
    const int top = bounds.top + (bounds.bottom - bounds.top - size) / 2;
    RECT box{bounds.left + 2, top, bounds.left + 2 + size, top + size};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (list.ItemChecked(index))
        state |= DFCS_CHECKED;
    if (!enabled)
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    RECT textArea{bounds.left + kCheckAreaWidth, bounds.top, bounds.right, bounds.bottom};
    if (selected)
        FillRect(dc, &textArea, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ oldFont = SelectObject(dc, form_.FontFor(control_.Design()));
    RECT textRect = textArea;
    textRect.left += 2;
    const std::wstring text = Widen(list.Item(index));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &textArea);
}

// The check list box's own input: mouse and keys go to the object, which mirrors its new state
// back; the native list changes nothing by itself except for the keys it keeps (Home, End, ...),
// whose LBN_SELCHANGE the form turns into UserHighlight.
LRESULT ControlWindow::ListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    auto& list = static_cast<TCheckListBox&>(control_);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != hwnd_)
            SetFocus(hwnd_);
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        const LRESULT hit = SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
        if (HIWORD(hit) == 0) { // on an item, not below the last one
            const int index = LOWORD(hit);
            RECT itemRect{};
            SendMessageW(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&itemRect));
            list.UserClickItem(index, x - itemRect.left < kCheckAreaWidth);
            SyncItemIndex();
        }
        return 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_UP:
        case VK_LEFT:
            list.UserMoveHighlight(-1);
            SyncItemIndex();
            return 0;
        case VK_DOWN:
        case VK_RIGHT:
            list.UserMoveHighlight(1);
            SyncItemIndex();
            return 0;
        case VK_SPACE:
            return 0; // toggled at its WM_CHAR
        default:
            break;
        }
        break;
    case WM_CHAR:
        if (wParam == L' ') {
            list.UserToggleHighlighted();
            return 0; // not the list's type-ahead search for a blank
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK ControlWindow::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    auto* peer = reinterpret_cast<ControlWindow*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, ListProc, 1);
        peer->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return peer->form_.Guarded([&] { return peer->ListMessage(message, wParam, lParam); });
}

} // namespace fw::win32
