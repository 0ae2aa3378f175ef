#pragma once
// Process-level services of the operating system, behind one interface so that tests can stand
// in for them. Paths are bytes in the system ANSI code page unless a comment says UTF-8.
#include <string>

namespace platform {

struct MutexResult {
    bool created = false;        // a handle was obtained
    bool alreadyExisted = false; // the name was already taken by another process
};

class System {
public:
    virtual ~System() = default;
    // Full path of the running executable.
    virtual std::string ModuleFileName() = 0;
    virtual bool SetCurrentDirectory(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;
    // Creates the named mutex without owning it; the handle stays open until the process ends.
    virtual MutexResult CreateNamedMutex(const std::string& name) = 0;
    // The shell's folder picker, modal to `owner` (a native window handle). Title and result are
    // UTF-8; the result is empty when the user cancelled or chose a folder without a file path.
    virtual std::string SelectFolder(void* owner, const std::string& title) = 0;
    // Starts `file` through the shell with `parameters`, not awaited, in the current directory.
    // Returns the shell's result: greater than 32 when the program was started.
    virtual long ShellOpen(const std::string& file, const std::string& parameters) = 0;
};

System& RealSystem();

} // namespace platform
