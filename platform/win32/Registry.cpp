// The system registry through RegOpenKeyExA / RegQueryValueExA. A 32-bit program reads the
// 32-bit view (WOW6432Node on 64-bit Windows), where the 32-bit simulators wrote their keys.
#include "platform/Registry.h"

#include "platform/win32/Windows.h"

namespace platform {

namespace {

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    std::optional<RegValueInfo> QueryInfo(const std::string& name) override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return RegValueInfo{type, size};
    }

    std::optional<std::string> QueryData(const std::string& name, std::uint32_t size) override {
        std::string data(size, '\0');
        DWORD type = 0;
        DWORD read = size;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) !=
            ERROR_SUCCESS)
            return std::nullopt;
        data.resize(read < size ? read : size);
        return data;
    }

private:
    HKEY key_;
};

class Win32Registry : public RegistrySource {
public:
    std::unique_ptr<RegistryKey> OpenRead(RegRoot root, const std::string& path) override {
        HKEY rootKey = root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        HKEY key = nullptr;
        if (RegOpenKeyExA(rootKey, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<Win32Key>(key);
    }
};

} // namespace

RegistrySource& SystemRegistry() {
    static Win32Registry registry;
    return registry;
}

} // namespace platform
