#pragma once
// Every blocking step of an end-to-end test waits with a time-out, so a test fails with a
// message instead of hanging when tarvik.exe does not do what it should.
#include <chrono>
#include <functional>
#include <string>

namespace tarvik::e2e {

using Milliseconds = std::chrono::milliseconds;

inline constexpr Milliseconds kDefaultTimeout{20000};
inline constexpr Milliseconds kPollInterval{50};

// Polls condition every kPollInterval until it holds (true) or timeout has passed (false).
// The condition is always asked once more at the end, so a slow machine cannot lose a result
// that arrived during the last sleep.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kDefaultTimeout);

// Seconds as text for failure messages ("20 s", "2.5 s").
std::string SecondsText(Milliseconds duration);

}  // namespace tarvik::e2e
