#pragma once
// Waiting on another process: every wait polls a condition until a deadline, and a wait that
// runs out throws a RobotError that says what it waited for and what it saw last.
#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace robot {

using Duration = std::chrono::milliseconds;
using namespace std::chrono_literals;

// How long a wait lasts unless a step passes its own limit. Generous: a program under Wine starts
// in a fraction of a second, but CI machines are shared.
inline constexpr Duration kTimeout = 15s;
// Between two looks at the condition.
inline constexpr Duration kPollInterval = 10ms;

class RobotError : public std::runtime_error {
public:
    explicit RobotError(const std::string& message) : std::runtime_error(message) {}
};

void Pause(Duration duration);

// Polls `probe` until it gives a value (a non-empty optional) or `timeout` has passed. `seen`, if
// given, describes the state at the deadline for the error message.
template <class T>
T WaitFor(const std::string& what, const std::function<std::optional<T>()>& probe, Duration timeout = kTimeout,
          const std::function<std::string()>& seen = {}) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (std::optional<T> value = probe())
            return std::move(*value);
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        Pause(kPollInterval);
    }
    std::string message = "timed out after " + std::to_string(timeout.count()) + " ms waiting for " + what;
    if (seen)
        message += "; seen: " + seen();
    throw RobotError(message);
}

// The same for a plain condition.
void WaitUntil(const std::string& what, const std::function<bool()>& condition, Duration timeout = kTimeout,
               const std::function<std::string()>& seen = {});

} // namespace robot
