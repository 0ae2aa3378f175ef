#include "framework/win32/Win32Backend.h"

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/win32/FormWindow.h"
#include "platform/win32/Wide.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

namespace fw {

using platform::win32::Widen;

namespace {

// The executable's icon: resource 1 of the program (res/Quillet.rc).
constexpr int kIconResource = 1;

HICON LoadProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

} // namespace

Win32Backend::Win32Backend() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's folder picker wants COM in a single-threaded apartment on this thread.
    comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Win32Backend::~Win32Backend() {
    windows_.clear();
    for (const std::wstring& name : classes_)
        UnregisterClassW(name.c_str(), GetModuleHandleW(nullptr));
    if (comInitialized_)
        CoUninitialize();
}

const wchar_t* Win32Backend::ClassFor(const TForm& form) {
    // One window class per form, named as the class library names it: "T" + the form's name.
    const std::wstring name = L"T" + Widen(form.Name());
    for (const std::wstring& known : classes_)
        if (known == name)
            return known.c_str();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = win32::FormWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    if (form.Design().border == BorderStyle::Single) {
        // A dialog frame shows no icon in its caption, as the class library's bsDialog forms.
        windowClass.hIcon = LoadProgramIcon(SM_CXICON, SM_CYICON);
        windowClass.hIconSm = LoadProgramIcon(SM_CXSMICON, SM_CYSMICON);
    }
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExW(&windowClass))
        throw Exception("Cannot register the window class of " + form.Name());
    classes_.push_back(name);
    return classes_.back().c_str();
}

void Win32Backend::CreatePeers(TForm& form) {
    // Dialogs belong to the main form's window: above it, and without a taskbar button.
    HWND owner = nullptr;
    if (TForm* main = form.Application().MainForm(); main && main != &form)
        owner = static_cast<HWND>(main->Handle());
    windows_.push_back(std::make_unique<win32::FormWindow>(form, ClassFor(form), owner));
}

void Win32Backend::DestroyPeers(TForm& form) {
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [&form](const auto& window) { return &window->Form() == &form; });
    if (found != windows_.end())
        windows_.erase(found);
}

win32::FormWindow* Win32Backend::WindowOf(const TForm& form) const {
    for (const auto& window : windows_)
        if (&window->Form() == &form)
            return window.get();
    throw Exception("The form " + form.Name() + " has no window");
}

void Win32Backend::ShowWindow(TForm& form) {
    HWND hwnd = WindowOf(form)->Hwnd();
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
}

void Win32Backend::HideWindow(TForm& form) {
    ::ShowWindow(WindowOf(form)->Hwnd(), SW_HIDE);
}

namespace {

struct ModalScope {
    HWND modal;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM context) {
    auto* scope = reinterpret_cast<ModalScope*>(context);
    if (hwnd != scope->modal && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        scope->disabled.push_back(hwnd);
    }
    return TRUE;
}

} // namespace

void Win32Backend::RunModal(TApplication& app, TForm& form) {
    win32::FormWindow* window = WindowOf(form);
    HWND hwnd = window->Hwnd();
    HWND previous = GetActiveWindow();
    for (const auto& other : windows_)
        other->RememberFocus();

    // The application's other windows take no input while the modal form is up.
    ModalScope scope{hwnd, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&scope));
    struct Restore {
        ModalScope& scope;
        HWND previous;
        ~Restore() {
            // Enabled again and activated before the modal window hides, so that activation goes
            // back to the window that had it and not to another program's.
            for (HWND hwnd : scope.disabled)
                if (IsWindow(hwnd))
                    EnableWindow(hwnd, TRUE);
            if (previous && previous != scope.modal && IsWindow(previous))
                SetActiveWindow(previous);
            SetWindowPos(scope.modal, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } restore{scope, previous};

    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
    while (form.ModalResult() == mrNone && !app.Terminated())
        HandleMessage(app);
}

void Win32Backend::Dispatch(const void* message) {
    MSG msg = *static_cast<const MSG*>(message);
    // Tab, Shift+Tab, Space, Enter and the arrow keys work in our forms as in a dialog.
    if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        for (const auto& window : windows_)
            if (window->Hwnd() == root) {
                if (IsDialogMessageW(root, &msg))
                    return;
                break;
            }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// The quit message marks the application terminated and is not posted again: every loop that can
// run the program's code is one of ours and tests Terminated(), and a quit message left in the
// queue would close at once a message box that start-up still has to show (the "already running"
// box after the "package folder missing" one).
void Win32Backend::HandleMessage(TApplication& app) {
    if (app.Terminated())
        return;
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        app.MarkTerminated();
        return;
    }
    Dispatch(&msg);
}

void Win32Backend::ProcessMessages(TApplication& app) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            app.MarkTerminated();
            continue;
        }
        Dispatch(&msg);
    }
}

void Win32Backend::PostQuit() {
    PostQuitMessage(0);
}

MsgResult Win32Backend::Show(MsgKind kind, const std::string& text, const std::string& caption) {
    UINT flags = MB_OK;
    switch (kind) {
    case MsgKind::Error:
        flags = MB_ICONERROR | MB_OK;
        break;
    case MsgKind::Warning:
        flags = MB_ICONWARNING | MB_OK;
        break;
    case MsgKind::Question:
        flags = MB_ICONQUESTION | MB_YESNO;
        break;
    case MsgKind::Information:
        flags = MB_ICONINFORMATION | MB_OK;
        break;
    }
    switch (MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), flags)) {
    case IDYES:
        return MsgResult::Yes;
    case IDNO:
        return MsgResult::No;
    default:
        return MsgResult::Ok;
    }
}

} // namespace fw
