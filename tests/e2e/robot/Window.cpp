#include "robot/Window.h"

#include "robot/Text.h"

namespace robot {

namespace {

// How long a sent message may take before the target counts as hung.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendOrThrow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
        const DWORD error = GetLastError();
        throw RobotError(std::string("no answer from window ") + Window(hwnd).Describe() + " to " + what + " (error " +
                         std::to_string(error) + ")");
    }
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<Window>*>(list)->emplace_back(hwnd);
    return TRUE;
}

struct TopLevelQuery {
    DWORD pid;
    bool all;
    std::vector<Window> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
    auto& query = *reinterpret_cast<TopLevelQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == query.pid && (query.all || IsWindowVisible(hwnd)))
        query.found.emplace_back(hwnd);
    return TRUE;
}

} // namespace

DWORD Window::ProcessId() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd_, &pid);
    return pid;
}

std::string Window::ClassName() const {
    wchar_t name[256] = {};
    GetClassNameW(hwnd_, name, 256);
    return Narrow(name);
}

std::string Window::Text() const {
    const auto length = SendOrThrow(hwnd_, WM_GETTEXTLENGTH, 0, 0, "WM_GETTEXTLENGTH");
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        SendOrThrow(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), "WM_GETTEXT");
    text.resize(static_cast<size_t>(copied));
    return Narrow(text);
}

std::string Window::Describe() const {
    if (!Exists())
        return "(no window)";
    wchar_t title[512] = {};
    // The stored text, without a message: describing must work even when the window hangs.
    InternalGetWindowText(hwnd_, title, 512);
    return ClassName() + " #" + std::to_string(Id()) + " " + Quote(Narrow(title)) + (Visible() ? "" : " (hidden)") +
           (Enabled() ? "" : " (disabled)");
}

std::vector<Window> Window::Descendants() const {
    std::vector<Window> children;
    EnumChildWindows(hwnd_, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::optional<Window> Window::FindChild(int id) const {
    for (const Window& child : Descendants())
        if (child.Id() == id)
            return child;
    return std::nullopt;
}

std::optional<Window> Window::FindChild(const std::string& className, const std::string& text) const {
    for (const Window& child : Descendants())
        if (child.ClassName() == className && child.Text() == text)
            return child;
    return std::nullopt;
}

namespace {

std::string ListChildren(const Window& window) {
    std::string list;
    for (const Window& child : window.Descendants())
        list += "\n  " + child.Describe();
    return list.empty() ? " none" : list;
}

} // namespace

Window Window::Child(int id) const {
    if (auto child = FindChild(id))
        return *child;
    throw RobotError("window " + Describe() + " has no control #" + std::to_string(id) +
                     "; it has:" + ListChildren(*this));
}

Window Window::Child(const std::string& className, const std::string& text) const {
    if (auto child = FindChild(className, text))
        return *child;
    throw RobotError("window " + Describe() + " has no " + className + " " + Quote(text) +
                     "; it has:" + ListChildren(*this));
}

void Window::Sync() const {
    SendOrThrow(hwnd_, WM_NULL, 0, 0, "WM_NULL");
}

void Window::RequireUsable(const char* action) const {
    if (!Exists())
        throw RobotError(std::string("cannot ") + action + ": the window is gone");
    const HWND root = GetAncestor(hwnd_, GA_ROOT);
    if (!Visible() || !IsWindowEnabled(root) || !Enabled())
        throw RobotError(std::string("a user cannot ") + action + " " + Describe() + " in " + Window(root).Describe());
}

void Window::Click() const {
    RequireUsable("click");
    SendOrThrow(hwnd_, BM_CLICK, 0, 0, "BM_CLICK");
}

void Window::PostClick() const {
    RequireUsable("click");
    PostMessageW(hwnd_, BM_CLICK, 0, 0);
}

void Window::Focus() const {
    // SetFocus works only for windows whose thread shares our input state: join it briefly.
    const DWORD own = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(hwnd_, nullptr);
    AttachThreadInput(own, target, TRUE);
    SetForegroundWindow(GetAncestor(hwnd_, GA_ROOT));
    SetFocus(hwnd_);
    AttachThreadInput(own, target, FALSE);
}

void Window::Type(const std::string& utf8) const {
    RequireUsable("type into");
    Focus();
    for (const wchar_t unit : Widen(utf8))
        SendOrThrow(hwnd_, WM_CHAR, unit, 1, "WM_CHAR");
    Sync();
}

void Window::Erase() const {
    RequireUsable("erase");
    Focus();
    SendOrThrow(hwnd_, EM_SETSEL, 0, -1, "EM_SETSEL");
    const LPARAM deleteDown = 1 | (MapVirtualKeyW(VK_DELETE, 0) << 16) | (1 << 24);
    SendOrThrow(hwnd_, WM_KEYDOWN, VK_DELETE, deleteDown, "WM_KEYDOWN");
    SendOrThrow(hwnd_, WM_KEYUP, VK_DELETE, deleteDown | (3u << 30), "WM_KEYUP");
    Sync();
}

void Window::Close() const {
    if (!Exists())
        throw RobotError("cannot close: the window is gone");
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Window::CloseAndWait() const {
    if (!Exists())
        throw RobotError("cannot close: the window is gone");
    SendOrThrow(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0, "WM_SYSCOMMAND SC_CLOSE");
}

void Window::RequestClose() const {
    if (!Exists())
        throw RobotError("cannot close: the window is gone");
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Window::BringToTop() const {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT Window::ScreenRect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect;
}

std::vector<Window> TopLevelWindows(DWORD pid, bool all) {
    TopLevelQuery query{pid, all, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string DescribeWindows(DWORD pid) {
    std::string list;
    for (const Window& window : TopLevelWindows(pid))
        list += (list.empty() ? "" : ", ") + window.Describe();
    return list.empty() ? "no visible window" : list;
}

Window WaitForWindow(DWORD pid, const std::string& title, const std::string& className, Duration timeout) {
    return WaitFor<Window>(
        "a window " + Quote(title) + (className.empty() ? "" : " of class " + className),
        [&]() -> std::optional<Window> {
            for (const Window& window : TopLevelWindows(pid))
                if ((className.empty() || window.ClassName() == className) && window.Text() == title)
                    return window;
            return std::nullopt;
        },
        timeout, [pid] { return DescribeWindows(pid); });
}

} // namespace robot
