// ShowBox.exe KIND: shows one ownerless message box of that kind (error, warning, question,
// information) with a fixed text, and exits with the ID of the button that closed it. The robot's
// own tests use it to check that boxes are read and told apart as the programs show them.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    struct Kind {
        const char* name;
        UINT style;
    };
    const Kind kinds[] = {{"error", MB_ICONERROR | MB_OK},
                          {"warning", MB_ICONWARNING | MB_OK},
                          {"question", MB_ICONQUESTION | MB_YESNO},
                          {"information", MB_ICONINFORMATION | MB_OK}};
    for (const Kind& kind : kinds)
        if (std::strcmp(commandLine, kind.name) == 0)
            return MessageBoxW(nullptr, L"Box text\nsecond line \u65E5\u672C", L"Box caption", kind.style);
    return 255;
}
