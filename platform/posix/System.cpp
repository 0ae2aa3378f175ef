#include "platform/System.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <semaphore.h>
#include <unistd.h>

namespace platform {

namespace {

class PosixSystem : public System {
public:
    std::string ModuleFileName() override {
        char buffer[PATH_MAX];
        const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    bool SetCurrentDirectory(const std::string& path) override { return chdir(path.c_str()) == 0; }
    std::string CurrentDirectory() override {
        char buffer[PATH_MAX];
        return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
    }
    MutexResult CreateNamedMutex(const std::string& name) override {
        // A named semaphore stands in for the mutex; the name lives until the system reboots,
        // which is good enough for a build that only runs tests.
        sem_t* sem = sem_open(("/" + name).c_str(), O_CREAT | O_EXCL, 0600, 1);
        if (sem != SEM_FAILED)
            return {true, false};
        return {false, errno == EEXIST};
    }
    std::string SelectFolder(void*, const std::string&) override { return {}; }
    long ShellOpen(const std::string&, const std::string&) override { return 2; /* file not found */ }
};

} // namespace

System& RealSystem() {
    static PosixSystem system;
    return system;
}

} // namespace platform
