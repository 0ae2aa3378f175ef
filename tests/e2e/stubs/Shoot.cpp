// Shoot.exe YEAR PROGRAM FOLDER NAME: the screenshots of the README (tools/screenshots.sh). Starts
// PROGRAM (Quillet2002.exe or Quillet2004.exe of edition YEAR) in its own folder, and writes each
// window, frame included, as a 24-bit BMP into FOLDER: NAME-main.bmp, NAME-support.bmp and, for
// FS2002, NAME-airports.bmp (the airport dialog of the register button). Then presses Exit.
// Exit code 0 when every picture was written; what went wrong otherwise goes to FOLDER\NAME.log.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
FILE* logFile = nullptr;

void Fail(const char* what) {
    if (logFile)
        std::fprintf(logFile, "error: %s (last error %lu)\n", what, GetLastError());
    ExitProcess(1);
}

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (pid != search.pid || !IsWindowVisible(window) || std::wcscmp(className, search.className) != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

// The visible top-level window of this class of the process, waited for at most 20 s.
HWND WaitForWindow(DWORD pid, const wchar_t* className) {
    for (int i = 0; i < 2000; ++i) {
        Search search{pid, className, nullptr};
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(10);
    }
    Fail("window did not appear");
    return nullptr;
}

// Lets the window handle what is queued and paint, then grabs its rectangle from the screen.
void Grab(HWND window, const std::wstring& path) {
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        Sleep(300);
    }
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (!BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY))
        Fail("BitBlt");
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up, as BMP files store rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (width * 3 + 3) & ~3u;
    info.biSizeImage = stride * height;
    std::string pixels(info.biSizeImage, '\0');
    if (!GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        Fail("GetDIBits");
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        Fail("cannot write the picture");
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

// Presses a button as a user would, without waiting for the modal loop it may open.
void Press(HWND window, int id) {
    HWND button = GetDlgItem(window, id);
    if (!button)
        Fail("button not found");
    PostMessageW(button, BM_CLICK, 0, 0);
}

void WaitUntilGone(HWND window) {
    for (int i = 0; i < 2000 && IsWindowVisible(window); ++i)
        Sleep(10);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 5)
        return 2;
    const bool fs2002 = std::wcscmp(arguments[1], L"2002") == 0;
    const std::wstring program = arguments[2], base = std::wstring(arguments[3]) + L"\\" + arguments[4];
    logFile = _wfopen((base + L".log").c_str(), L"w");

    std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        Fail("cannot start the program");
    WaitForInputIdle(process.hProcess, 20000);

    // Control IDs: 1000 + the control's row in its form's design table.
    const int exitButton = 1000, registerFacility = 1006, support = fs2002 ? 1008 : 1006, supportOk = 1002,
              airportsCancel = 1002;
    HWND main = WaitForWindow(process.dwProcessId, L"TMainF");
    Grab(main, base + L"-main.bmp");

    Press(main, support);
    HWND dialog = WaitForWindow(process.dwProcessId, L"TForm3");
    Grab(dialog, base + L"-support.bmp");
    Press(dialog, supportOk);
    WaitUntilGone(dialog);

    if (fs2002) {
        Press(main, registerFacility);
        dialog = WaitForWindow(process.dwProcessId, L"TForm2");
        Grab(dialog, base + L"-airports.bmp");
        Press(dialog, airportsCancel);
        WaitUntilGone(dialog);
    }

    // The window is enabled again once the dialog's handler has returned.
    for (int i = 0; i < 2000 && !IsWindowEnabled(GetDlgItem(main, exitButton)); ++i)
        Sleep(10);
    Press(main, exitButton);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        Fail("the program did not end");
    std::fclose(logFile);
    return 0;
}
