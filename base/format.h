#pragma once
// Text helpers shared by every subsystem: messages and result lines are defined by printf
// patterns, and fixed text capacities are part of the behaviour.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace tarvik {

// printf-style formatting into a std::string. Pass std::string arguments as .c_str().
template <typename... Args>
std::string Format(const char* pattern, Args... args) {
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, args...);
    return text;
}

// The first maxChars characters of text: how a fixed-capacity field keeps a longer value.
inline std::string Truncated(std::string_view text, std::size_t maxChars) {
    return std::string(text.substr(0, maxChars));
}

}  // namespace tarvik
