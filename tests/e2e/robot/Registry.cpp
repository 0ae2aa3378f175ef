#include "robot/Registry.h"

#include "robot/Wait.h"

namespace robot::registry {

namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

class Key {
public:
    Key(HKEY root, const std::string& path) {
        const LONG status =
            RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kView, nullptr, &key_, nullptr);
        if (status != ERROR_SUCCESS)
            throw RobotError("cannot create registry key " + path + ": error " + std::to_string(status));
    }
    ~Key() { RegCloseKey(key_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const std::string& data) {
    Key key(root, path);
    const LONG status = RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                       static_cast<DWORD>(data.size()));
    if (status != ERROR_SUCCESS)
        throw RobotError("cannot set registry value " + path + "\\" + name + ": error " + std::to_string(status));
}

void SetText(HKEY root, const std::string& path, const std::string& name, const std::string& text, DWORD type) {
    SetRaw(root, path, name, type, text + std::string(1, '\0'));
}

void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    SetRaw(root, path, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

void DeleteValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE | kView, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | kView, &key) != ERROR_SUCCESS)
        return;
    const LONG status = RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw RobotError("cannot empty registry key " + path + ": error " + std::to_string(status));
    // RegDeleteTree leaves the key itself.
    RegDeleteKeyExA(root, path.c_str(), kView, 0);
}

void CreateKey(HKEY root, const std::string& path) {
    Key key(root, path);
}

} // namespace robot::registry
