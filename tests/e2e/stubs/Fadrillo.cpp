// Fadrillo.exe: stands in for the package's facility installer. Each start appends two lines to
// Fadrillo.log beside the executable, the current directory and the command line after the
// program's name, exactly as received:
//   cwd=C:\QuilletTest\Setup2002
//   args=New\AFCAD1_RJSA.TXT New\AFCAD1_RJAF.TXT
// and exits with 0 without showing a window.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string log(buffer, length);
    log.erase(log.rfind('\\') + 1);
    log += "Fadrillo.log";

    const DWORD cwdLength = GetCurrentDirectoryA(MAX_PATH, buffer);
    const std::string record = "cwd=" + std::string(buffer, cwdLength) + "\nargs=" + commandLine + "\n";

    const HANDLE file =
        CreateFileA(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == record.size() ? 0 : 1;
}
