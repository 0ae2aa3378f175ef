#pragma once
// Stand-ins for the registry and the process services.
#include "platform/Registry.h"
#include "platform/System.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace test {

class FakeRegistry : public platform::RegistrySource {
public:
    struct Value {
        std::uint32_t type = platform::kRegSz;
        std::string data;      // raw bytes, terminating NUL included where the writer stored one
        bool failRead = false; // the second query fails
    };
    // A key that exists (possibly with no values).
    void AddKey(platform::RegRoot root, const std::string& path) { keys_[{root, path}]; }
    void Set(platform::RegRoot root, const std::string& path, const std::string& name, Value value) {
        keys_[{root, path}][name] = std::move(value);
    }
    // A REG_SZ value as the registry stores it, with its terminating NUL.
    void SetText(platform::RegRoot root, const std::string& path, const std::string& name, const std::string& text) {
        Set(root, path, name, {platform::kRegSz, text + std::string(1, '\0'), false});
    }
    std::unique_ptr<platform::RegistryKey> OpenRead(platform::RegRoot root, const std::string& path) override;
    int Opens() const { return opens_; }

private:
    std::map<std::pair<platform::RegRoot, std::string>, std::map<std::string, Value>> keys_;
    int opens_ = 0;
};

class FakeSystem : public platform::System {
public:
    std::string moduleFileName = "C:\\Program Files\\Quillet\\Quillet.exe";
    std::string currentDirectory = "C:\\";
    std::vector<std::string> directoriesSet;
    std::set<std::string> takenMutexes; // names that other processes hold
    std::vector<std::string> mutexesCreated;
    std::vector<std::string> pickerTitles;
    std::string pickerResult;
    void* pickerOwner = nullptr;
    struct Start {
        std::string file, parameters, directory;
    };
    std::vector<Start> starts;
    long shellResult = 42;

    std::string ModuleFileName() override { return moduleFileName; }
    bool SetCurrentDirectory(const std::string& path) override {
        directoriesSet.push_back(path);
        currentDirectory = path;
        return true;
    }
    std::string CurrentDirectory() override { return currentDirectory; }
    platform::MutexResult CreateNamedMutex(const std::string& name) override {
        mutexesCreated.push_back(name);
        if (takenMutexes.count(name))
            return {true, true};
        takenMutexes.insert(name);
        return {true, false};
    }
    std::string SelectFolder(void* owner, const std::string& title) override {
        pickerOwner = owner;
        pickerTitles.push_back(title);
        return pickerResult;
    }
    long ShellOpen(const std::string& file, const std::string& parameters) override {
        starts.push_back({file, parameters, currentDirectory});
        return shellResult;
    }
};

} // namespace test
