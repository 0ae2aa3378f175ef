#pragma once
// Read-only access to the system registry, in the two steps the registry reader relies on:
// a query for type and size, then a query for the data.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

enum class RegRoot { LocalMachine, CurrentUser };

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

struct RegValueInfo {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
};

// An open key; closed when destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Type and data size of a value; nullopt when the query fails (the value does not exist).
    virtual std::optional<RegValueInfo> QueryInfo(const std::string& name) = 0;
    // The value's raw data, read into a buffer of `size` bytes; nullopt when the read fails.
    virtual std::optional<std::string> QueryData(const std::string& name, std::uint32_t size) = 0;
};

class RegistrySource {
public:
    virtual ~RegistrySource() = default;
    // Opens `path` below `root` for reading (KEY_READ); nullptr when it cannot be opened.
    virtual std::unique_ptr<RegistryKey> OpenRead(RegRoot root, const std::string& path) = 0;
};

// The registry of the system the program runs on (empty on POSIX).
RegistrySource& SystemRegistry();

} // namespace platform
