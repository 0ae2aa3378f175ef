// Lock.exe SHARING PATH: stands in for another program that holds a file open. Opens PATH for
// reading with the sharing given, "none" (share mode 0: nobody else may open it) or "read"
// (others may only read it), and keeps it open until it is ended. Exits at once when the
// file cannot be opened, with 1000 + the system's error code. The scenario knows the lock is held
// when its own opens start to fail.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const char* path = std::strchr(commandLine, ' ');
    if (!path)
        return 2;
    const bool none = std::strncmp(commandLine, "none ", 5) == 0;
    if (!none && std::strncmp(commandLine, "read ", 5) != 0)
        return 2;
    // Another open that has not quite closed yet is waited out, for about two seconds.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 200; ++attempt) {
        file = CreateFileA(path + 1, GENERIC_READ, none ? 0 : FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION)
            break;
        Sleep(10);
    }
    if (file == INVALID_HANDLE_VALUE)
        return 1000 + static_cast<int>(GetLastError());
    Sleep(INFINITE);
    CloseHandle(file);
    return 0;
}
