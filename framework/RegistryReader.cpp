#include "framework/RegistryReader.h"

namespace fw {

bool TRegistry::OpenKeyReadOnly(const std::string& path) {
    key_ = source_.OpenRead(root_, path);
    return key_ != nullptr;
}

std::string TRegistry::ReadString(const std::string& name) {
    if (!key_)
        throw ERegistryException("Failed to get data for '" + name + "'");
    const auto info = key_->QueryInfo(name);
    if (!info || info->size == 0)
        return {};
    const auto data = key_->QueryData(name, info->size);
    if (!data)
        throw ERegistryException("Failed to get data for '" + name + "'");
    if (info->type != platform::kRegSz && info->type != platform::kRegExpandSz)
        throw ERegistryException("Invalid data type for '" + name + "'");
    return data->substr(0, data->find('\0'));
}

} // namespace fw
