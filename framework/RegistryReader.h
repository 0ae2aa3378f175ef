#pragma once
// TRegistry: a read-only registry reader over a platform registry source.
#include "framework/Exception.h"
#include "platform/Registry.h"

#include <memory>
#include <string>

namespace fw {

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

class TRegistry {
public:
    explicit TRegistry(platform::RegistrySource& source) : source_(source) {}
    void SetRootKey(platform::RegRoot root) { root_ = root; }
    // Opens the key read-only (KEY_READ); false when it cannot be opened.
    bool OpenKeyReadOnly(const std::string& path);
    void CloseKey() { key_.reset(); }
    // A missing value, or one of size 0, reads as the empty text. Otherwise the value must be
    // REG_SZ or REG_EXPAND_SZ (returned unexpanded) and ends at its first NUL; any other type, or
    // data that cannot be read, throws ERegistryException naming the value.
    std::string ReadString(const std::string& name);

private:
    platform::RegistrySource& source_;
    platform::RegRoot root_ = platform::RegRoot::CurrentUser;
    std::unique_ptr<platform::RegistryKey> key_;
};

} // namespace fw
