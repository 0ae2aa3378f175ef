#pragma once
// Windows of another process, as a user sees them: texts, enabled states, clicks, typing.
// A Window is only an HWND; every call asks the window afresh.
#include "robot/Wait.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace robot {

class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ && IsWindow(hwnd_); }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    DWORD ProcessId() const;
    int Id() const { return GetDlgCtrlID(hwnd_); }
    std::string ClassName() const;
    // The window text (a caption, a button's or a box's text), UTF-8.
    std::string Text() const;
    // "class #id "text"", for failure messages.
    std::string Describe() const;

    // Every descendant window, in Z order, depth first.
    std::vector<Window> Descendants() const;
    std::optional<Window> FindChild(int id) const;
    std::optional<Window> FindChild(const std::string& className, const std::string& text) const;
    // The descendant with that control ID; throws RobotError naming what the window holds.
    Window Child(int id) const;
    Window Child(const std::string& className, const std::string& text) const;

    // Returns once the window's thread handles messages again (a round trip through its queue),
    // so that what the last posted input caused has happened.
    void Sync() const;

    // A click on a button that returns when the click's work is done.
    void Click() const;
    // A click whose work opens a modal loop (a dialog, a message box): posted, not awaited.
    void PostClick() const;
    // Types `utf8` like a user: focuses the box, then one WM_CHAR per character.
    void Type(const std::string& utf8) const;
    // Selects the whole text and deletes it, as a user does with Ctrl+A and Delete.
    void Erase() const;
    // The close box (SC_CLOSE, as the title bar and Alt+F4 send it); posted. A disabled window
    // (one under a modal dialog) ignores it, as it ignores the user.
    void Close() const;
    // The close box, sent: returns once the window has handled it. Only for a close that opens
    // no modal loop (refused, or ignored by a disabled window).
    void CloseAndWait() const;
    // WM_CLOSE, posted: a close request from outside, as Task Manager's "End task" sends it; it
    // reaches a window under a modal dialog too.
    void RequestClose() const;
    // Raises the window above the others, so that a screen grab sees it.
    void BringToTop() const;
    RECT ScreenRect() const;

    bool operator==(const Window& other) const { return hwnd_ == other.hwnd_; }

private:
    void RequireUsable(const char* action) const;
    void Focus() const;
    HWND hwnd_ = nullptr;
};

// The top-level windows of process `pid`; visible ones only unless `all`.
std::vector<Window> TopLevelWindows(DWORD pid, bool all = false);
// Waits for a visible top-level window of `pid` with exactly that title (and class, if given).
Window WaitForWindow(DWORD pid, const std::string& title, const std::string& className = {},
                     Duration timeout = kTimeout);
// The titles of the visible windows of `pid`, for failure messages.
std::string DescribeWindows(DWORD pid);

} // namespace robot
