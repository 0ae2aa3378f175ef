#pragma once
#include <stdexcept>
#include <string>

namespace fw {

// The class library's exception class: what escapes an event handler or start-up is shown to the
// user with its message (TApplication::ShowException).
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

} // namespace fw
