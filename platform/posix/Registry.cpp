#include "platform/Registry.h"

namespace platform {

namespace {

// POSIX has no registry: every key is absent.
class NoRegistry : public RegistrySource {
public:
    std::unique_ptr<RegistryKey> OpenRead(RegRoot, const std::string&) override { return nullptr; }
};

} // namespace

RegistrySource& SystemRegistry() {
    static NoRegistry registry;
    return registry;
}

} // namespace platform
