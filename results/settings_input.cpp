#include "results/settings_input.h"

#include <climits>

#include "base/format.h"

namespace tarvik {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

std::optional<int> ParseDialogInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    const std::size_t digitsStart = at;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return std::nullopt;
        }
    }
    if (at == digitsStart) {
        return std::nullopt;
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string OutOfRangeMessage(int low, int high) {
    return Format("Please enter an integer between %d and %d.", low, high);
}

SubframeEntry CheckSubframeEntry(std::string_view text) {
    const std::optional<int> value = ParseDialogInteger(text);
    if (!value) {
        return {std::nullopt, kNotAnInteger};
    }
    if (*value < kMinStartSubframe || *value > kMaxStartSubframe) {
        return {std::nullopt, OutOfRangeMessage(kMinStartSubframe, kMaxStartSubframe)};
    }
    return {value, kSubframeAccepted};
}

}  // namespace tarvik
