#include "tests/unit/support/Fakes.h"

namespace test {

namespace {

class FakeKey : public platform::RegistryKey {
public:
    explicit FakeKey(const std::map<std::string, FakeRegistry::Value>& values) : values_(values) {}
    std::optional<platform::RegValueInfo> QueryInfo(const std::string& name) override {
        const auto it = values_.find(name);
        if (it == values_.end())
            return std::nullopt;
        return platform::RegValueInfo{it->second.type, static_cast<std::uint32_t>(it->second.data.size())};
    }
    std::optional<std::string> QueryData(const std::string& name, std::uint32_t size) override {
        const auto it = values_.find(name);
        if (it == values_.end() || it->second.failRead)
            return std::nullopt;
        return it->second.data.substr(0, size);
    }

private:
    const std::map<std::string, FakeRegistry::Value>& values_;
};

} // namespace

std::unique_ptr<platform::RegistryKey> FakeRegistry::OpenRead(platform::RegRoot root, const std::string& path) {
    ++opens_;
    const auto it = keys_.find({root, path});
    if (it == keys_.end())
        return nullptr;
    return std::make_unique<FakeKey>(it->second);
}

} // namespace test
