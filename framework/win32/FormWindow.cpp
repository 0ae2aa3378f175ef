#include "framework/win32/FormWindow.h"

#include "framework/Exception.h"
#include "framework/win32/Win32Backend.h"
#include "platform/win32/Wide.h"

#include <algorithm>
#include <climits>

namespace fw::win32 {

using platform::win32::Widen;

namespace {

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};

FrameStyle StyleOf(BorderStyle border) {
    switch (border) {
    case BorderStyle::Single: // caption and system menu only; no sizing, no minimise or maximise box
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_WINDOWEDGE};
    case BorderStyle::Dialog: // dialog frame with a close box, no icon
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE};
    }
    return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0};
}

} // namespace

FormWindow::FormWindow(TForm& form, const wchar_t* className, HWND owner) : form_(form) {
    const FormDesign& design = form.Design();
    font_ = MakeFont(design.font);
    if (design.color & 0x80000000u) {
        brush_ = GetSysColorBrush(static_cast<int>(design.color & 0xFF));
    } else {
        ownBrush_ = Brush(CreateSolidBrush(design.color));
        brush_ = ownBrush_.Get();
    }

    // The client area as designed, the frame around it, the whole centred on the screen.
    const FrameStyle frame = StyleOf(design.border);
    RECT bounds{0, 0, design.clientWidth, design.clientHeight};
    AdjustWindowRectEx(&bounds, frame.style, FALSE, frame.exStyle);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    CreateWindowExW(frame.exStyle, className, Widen(form.Caption()).c_str(), frame.style, left, top, width, height,
                    owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw Exception("Cannot create the window of " + form.Name());

    try {
        int id = kFirstControlId;
        for (const auto& control : form.Controls())
            controls_.push_back(std::make_unique<ControlWindow>(*this, *control, id++));
        ArrangeTabOrder();
    } catch (...) {
        // No destructor runs for a half-built object: the window must not outlive it.
        controls_.clear();
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
        throw;
    }
    form.AttachPeer(this);
    quiet_ = false;
}

FormWindow::~FormWindow() {
    quiet_ = true;
    form_.AttachPeer(nullptr);
    if (hwnd_)
        DestroyWindow(hwnd_); // destroys the controls' windows too
    controls_.clear();
}

void FormWindow::UpdateCaption() {
    SetWindowTextW(hwnd_, Widen(form_.Caption()).c_str());
}

HFONT FormWindow::FontFor(const ControlDesign& design) {
    if (!design.font)
        return font_.Get();
    for (const auto& [fontDesign, font] : ownFonts_)
        if (fontDesign == design.font)
            return font.Get();
    ownFonts_.emplace_back(design.font, MakeFont(*design.font));
    return ownFonts_.back().second.Get();
}

void FormWindow::ArrangeTabOrder() {
    // Within each parent by TabOrder (controls outside the tab order last, in table order), each
    // control followed by its own children. The dialog manager walks the z-order, so the z-order
    // becomes this sequence.
    const auto& controls = form_.Controls();
    std::vector<int> sequence;
    auto visit = [&](auto& self, const TControl* parent) -> void {
        std::vector<int> children;
        for (int i = 0; i < static_cast<int>(controls.size()); ++i)
            if (controls[i]->Parent() == parent)
                children.push_back(i);
        auto key = [&](int i) {
            const int order = controls[i]->Design().tabOrder;
            return order < 0 ? INT_MAX : order;
        };
        std::stable_sort(children.begin(), children.end(), [&](int a, int b) { return key(a) < key(b); });
        for (int child : children) {
            sequence.push_back(child);
            self(self, controls[child].get());
        }
    };
    visit(visit, nullptr);

    HWND after = HWND_TOP;
    for (int index : sequence) {
        HWND child = controls_[index]->Hwnd();
        SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        tabSequence_.push_back(child);
        after = child;
    }
}

HWND FormWindow::FirstTabStop() const {
    for (HWND child : tabSequence_)
        if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(child) && IsWindowVisible(child))
            return child;
    return nullptr;
}

void FormWindow::SyncEnabled() {
    for (const auto& peer : controls_) {
        HWND child = peer->Hwnd();
        if (!child)
            continue;
        const bool enabled = peer->Control().EffectivelyEnabled();
        if (enabled == (IsWindowEnabled(child) != FALSE))
            continue;
        if (!enabled && GetFocus() == child) {
            // A disabled window loses the focus to nobody; the form keeps it instead, so that the
            // keyboard (Alt+F4, Tab) still reaches this window, and the control gets it back.
            parkedFocus_ = child;
            savedFocus_ = child;
            SetFocus(hwnd_);
        }
        EnableWindow(child, enabled ? TRUE : FALSE);
        if (enabled && parkedFocus_ == child) {
            parkedFocus_ = nullptr;
            if (GetFocus() == hwnd_)
                SetFocus(child);
            else
                savedFocus_ = child; // given back when the form is next activated
        }
        if (peer->Control().Kind() == ControlKind::CheckListBox)
            InvalidateRect(child, nullptr, TRUE);
    }
}

void FormWindow::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus))
        savedFocus_ = focus;
}

void FormWindow::OnActivate(bool active) {
    if (!active) {
        RememberFocus();
        return;
    }
    HWND target = savedFocus_;
    if (!target || !IsWindow(target) || !IsWindowEnabled(target) || !IsWindowVisible(target))
        target = parkedFocus_ ? nullptr : FirstTabStop();
    SetFocus(target ? target : hwnd_);
}

ControlWindow* FormWindow::PeerById(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size()))
        return nullptr;
    return controls_[index].get();
}

ControlWindow* FormWindow::PeerOf(HWND child) const {
    if (!child)
        return nullptr;
    ControlWindow* peer = PeerById(GetDlgCtrlID(child));
    return peer && peer->Hwnd() == child ? peer : nullptr;
}

// The one place where the controls' notifications become the objects' user input.
void FormWindow::OnCommand(ControlWindow& peer, int code) {
    TControl& control = peer.Control();
    switch (control.Kind()) {
    case ControlKind::Button:
        if (code == BN_CLICKED) {
            static_cast<TButton&>(control).UserClick();
        } else if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
            // As the class library's buttons do: the focused button is the one Enter presses.
            const WPARAM look = code == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            SendMessageW(peer.Hwnd(), BM_SETSTYLE, look | BS_NOTIFY, TRUE);
        }
        break;
    case ControlKind::CheckBox:
        if (code == BN_CLICKED) {
            static_cast<TCheckBox&>(control).UserClick();
            peer.SyncChecked();
        }
        break;
    case ControlKind::Edit:
        if (code == EN_CHANGE && !peer.MirroringText())
            static_cast<TEdit&>(control).UserSetText(peer.ReadText());
        break;
    case ControlKind::CheckListBox:
        if (code == LBN_SELCHANGE) {
            const LRESULT index = SendMessageW(peer.Hwnd(), LB_GETCURSEL, 0, 0);
            static_cast<TCheckListBox&>(control).UserHighlight(index == LB_ERR ? -1 : static_cast<int>(index));
            peer.SyncItemIndex();
        }
        break;
    case ControlKind::GroupBox:
    case ControlKind::Panel:
    case ControlKind::Label:
        break;
    }
}

LRESULT FormWindow::OnCtlColor(HDC dc, HWND child) {
    ControlWindow* peer = PeerOf(child);
    if (!peer)
        return reinterpret_cast<LRESULT>(brush_);
    const ControlDesign& design = peer->Control().Design();
    if (design.kind == ControlKind::Edit) {
        // A disabled edit box, as the class library shows one: grey text on the window colour.
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    const FontDesign& font = design.font ? *design.font : form_.Design().font;
    SetTextColor(dc, ResolveColor(font.color));
    SetBkColor(dc, ResolveColor(form_.Design().color));
    return reinterpret_cast<LRESULT>(brush_);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (!quiet_)
            if (ControlWindow* peer = PeerOf(reinterpret_cast<HWND>(lParam)))
                OnCommand(*peer, HIWORD(wParam));
        return 0;
    case WM_CLOSE: // close box, system menu, Alt+F4
        form_.UserClose();
        return 0;
    case WM_ACTIVATE:
        if (!quiet_)
            OnActivate(LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
        return 0;
    case DM_GETDEFID: {
        // Enter (IsDialogMessageW) presses the focused push button, and nothing else.
        ControlWindow* peer = PeerOf(GetFocus());
        if (peer && peer->Control().Kind() == ControlKind::Button)
            return MAKELRESULT(GetDlgCtrlID(peer->Hwnd()), DC_HASDEFID);
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush_);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const int index = static_cast<int>(wParam) - kFirstControlId;
        const auto& controls = form_.Design().controls;
        if (item->CtlType == ODT_LISTBOX && index >= 0 && index < static_cast<int>(controls.size()) &&
            controls[index].itemHeight > 0)
            item->itemHeight = static_cast<UINT>(controls[index].itemHeight);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (ControlWindow* peer = PeerOf(item->hwndItem))
            peer->DrawItem(*item);
        return TRUE;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        for (const auto& peer : controls_)
            peer->WindowGone();
        hwnd_ = nullptr;
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FormWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Guarded([&] { return self->OnMessage(message, wParam, lParam); });
}

} // namespace fw::win32
