#pragma once
// A program started by a scenario. Ends it on destruction if it still runs, so that a failed
// scenario leaves nothing behind for the next one.
#include "robot/Wait.h"

#include <windows.h>

#include <string>

namespace robot {

class Process {
public:
    // Starts `exe` (a Windows path) with `arguments` in `currentDirectory`.
    static Process Start(const std::string& exe, const std::string& currentDirectory,
                         const std::string& arguments = {});
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return id_; }
    const std::string& Name() const { return name_; }
    bool Running() const;
    // Waits for the end and returns the exit code; a timeout names the windows still open.
    DWORD WaitForExit(Duration timeout = kTimeout) const;
    // Waits until the program waits for input for the first time (it has reached a message loop).
    void WaitForInputIdle(Duration timeout = kTimeout) const;
    // Ends the program at once if it still runs.
    void Kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
    std::string name_;
};

// Ends every process whose program file lies below `folder` (a Windows path; letter case
// ignored), such as programs that a program under test started and did not wait for, and waits
// until they are gone. Returns their number.
int EndProcessesUnder(const std::string& folder);

} // namespace robot
