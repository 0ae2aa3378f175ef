#include "robot/Process.h"

#include "robot/Text.h"
#include "robot/Window.h"

#include <tlhelp32.h>

#include <utility>
#include <vector>

namespace robot {

Process Process::Start(const std::string& exe, const std::string& currentDirectory, const std::string& arguments) {
    std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
    if (!arguments.empty())
        commandLine += L" " + Widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const std::wstring directory = Widen(currentDirectory);
    if (!CreateProcessW(Widen(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        throw RobotError("cannot start " + exe + " in " + currentDirectory + ": error " +
                         std::to_string(GetLastError()));
    CloseHandle(info.hThread);
    Process process;
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    process.name_ = exe.substr(exe.find_last_of('\\') + 1);
    return process;
}

Process::~Process() {
    Kill();
    if (handle_)
        CloseHandle(handle_);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)), name_(std::move(other.name_)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        if (handle_)
            CloseHandle(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
        name_ = std::move(other.name_);
    }
    return *this;
}

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

DWORD Process::WaitForExit(Duration timeout) const {
    WaitUntil(
        name_ + " to end", [this] { return !Running(); }, timeout, [this] { return DescribeWindows(id_); });
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::WaitForInputIdle(Duration timeout) const {
    const DWORD result = ::WaitForInputIdle(handle_, static_cast<DWORD>(timeout.count()));
    if (result != 0)
        throw RobotError(name_ + " did not reach its message loop (WaitForInputIdle gave " + std::to_string(result) +
                         "); seen: " + DescribeWindows(id_));
}

int EndProcessesUnder(const std::string& folder) {
    std::wstring prefix = Widen(folder);
    if (!prefix.empty() && prefix.back() != L'\\')
        prefix += L'\\';
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<HANDLE> ended;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                     entry.th32ProcessID);
        if (!process)
            continue;
        wchar_t image[MAX_PATH * 2] = {};
        DWORD size = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, image, &size) && size >= prefix.size() &&
            CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, image, static_cast<int>(prefix.size()), prefix.c_str(),
                           static_cast<int>(prefix.size())) == CSTR_EQUAL) {
            TerminateProcess(process, 1);
            ended.push_back(process);
        } else {
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    for (HANDLE process : ended) {
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    return static_cast<int>(ended.size());
}

void Process::Kill() {
    if (Running()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 5000);
    }
}

} // namespace robot
