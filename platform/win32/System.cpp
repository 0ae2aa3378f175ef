// Process-level services: module path, current directory, named mutex, folder picker, shell start.
#include "platform/System.h"

#include "platform/win32/Wide.h"
#include "platform/win32/Windows.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace platform {

namespace {

class Win32System : public System {
public:
    std::string ModuleFileName() override {
        // A MAX_PATH buffer, grown when the path is longer, so nothing is cut silently.
        std::vector<char> buffer(MAX_PATH);
        for (;;) {
            const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n == 0)
                return {};
            if (n < buffer.size())
                return std::string(buffer.data(), n);
            if (buffer.size() >= 32768)
                return {};
            buffer.resize(buffer.size() * 4);
        }
    }

    bool SetCurrentDirectory(const std::string& path) override { return SetCurrentDirectoryA(path.c_str()) != 0; }

    std::string CurrentDirectory() override {
        const DWORD size = GetCurrentDirectoryA(0, nullptr);
        if (size == 0)
            return {};
        std::string path(size, '\0');
        const DWORD n = GetCurrentDirectoryA(size, path.data());
        path.resize(n < size ? n : 0);
        return path;
    }

    MutexResult CreateNamedMutex(const std::string& name) override {
        // Default security, not owned. The handle is never closed: the name must exist until the
        // process ends, whichever way it ends, and the system closes it then.
        HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
        const DWORD error = GetLastError();
        if (!mutex)
            return {false, false};
        return {true, error == ERROR_ALREADY_EXISTS};
    }

    std::string SelectFolder(void* owner, const std::string& title) override {
        // Every field not set here stays zero: no root (the desktop), no callback, no image.
        wchar_t displayName[MAX_PATH] = {};
        const std::wstring wideTitle = win32::Widen(title);
        BROWSEINFOW request{};
        request.hwndOwner = static_cast<HWND>(owner);
        request.pszDisplayName = displayName;
        request.lpszTitle = wideTitle.c_str();
        request.ulFlags = BIF_RETURNONLYFSDIRS;
        LPITEMIDLIST chosen = SHBrowseForFolderW(&request);
        if (!chosen)
            return {};
        wchar_t path[MAX_PATH] = {};
        std::string result;
        if (SHGetPathFromIDListW(chosen, path))
            result = win32::Narrow(path);
        CoTaskMemFree(chosen);
        return result;
    }

    long ShellOpen(const std::string& file, const std::string& parameters) override {
        HINSTANCE result = ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
        return static_cast<long>(reinterpret_cast<INT_PTR>(result));
    }
};

} // namespace

System& RealSystem() {
    static Win32System system;
    return system;
}

} // namespace platform
