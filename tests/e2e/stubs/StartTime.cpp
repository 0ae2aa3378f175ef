// StartTime.exe RUNS REPORT PROGRAM...: start-up times for tools/startup-bench.sh. Starts each
// PROGRAM RUNS times, the programs taking turns (the first of a round moves on by one each round,
// so that none always runs first), and times each start from CreateProcess until the program has
// a visible top-level window that answers a message; then closes it with WM_CLOSE and waits for
// its end. Writes one line per program to REPORT: name, median, fastest, slowest (milliseconds),
// then every sample. Exit code 0 when every start was timed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    RECT r{};
    if (pid != search.pid || !IsWindowVisible(window) || !GetWindowRect(window, &r) || r.right <= r.left)
        return TRUE;
    search.found = window;
    return FALSE;
}

double Now() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from start to an answering window, or a negative value when the start failed.
double TimeStart(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    double elapsed = -1;
    for (int i = 0; i < 20000; ++i) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            DWORD_PTR result = 0;
            if (SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result))
                elapsed = Now() - start;
            PostMessageW(search.found, WM_CLOSE, 0, 0);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break; // ended without a window
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
        elapsed = -1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count < 4)
        return 2;
    const int runs = _wtoi(arguments[1]);
    FILE* report = _wfopen(arguments[2], L"w");
    if (runs < 1 || !report)
        return 2;
    const int programs = count - 3;
    std::vector<std::vector<double>> samples(programs);
    bool failed = false;
    for (int run = 0; run < runs; ++run)
        for (int turn = 0; turn < programs; ++turn) {
            const int p = (run + turn) % programs;
            const double ms = TimeStart(arguments[3 + p]);
            if (ms < 0)
                failed = true;
            else
                samples[p].push_back(ms);
        }
    for (int p = 0; p < programs; ++p) {
        std::vector<double> sorted = samples[p];
        std::sort(sorted.begin(), sorted.end());
        const std::wstring path = arguments[3 + p];
        const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
        std::fprintf(report, "%ls", name.c_str());
        if (sorted.empty()) {
            std::fprintf(report, " no window\n");
            continue;
        }
        const size_t n = sorted.size();
        const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        std::fprintf(report, " %.0f %.0f %.0f", median, sorted.front(), sorted.back());
        for (double ms : samples[p])
            std::fprintf(report, " %.0f", ms);
        std::fprintf(report, "\n");
    }
    std::fclose(report);
    return failed ? 1 : 0;
}
