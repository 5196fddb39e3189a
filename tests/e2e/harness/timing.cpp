#include "tests/e2e/harness/timing.h"

#include <thread>

#include "base/format.h"

namespace tarvik::e2e {

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return condition();
}

std::string SecondsText(Milliseconds duration) {
    return Format("%g s", static_cast<double>(duration.count()) / 1000.0);
}

}  // namespace tarvik::e2e
