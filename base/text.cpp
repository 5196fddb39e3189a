#include "base/text.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace tarvik {

std::string LowerAscii(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        c = LowerAscii(c);
    }
    return lowered;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

int SignedInteger(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        at = 1;
    }
    // Held one past INT_MAX, so that INT_MIN itself is still reached.
    long long value = 0;
    for (; at < text.size() && IsDecimalDigit(text[at]); ++at) {
        value = std::min<long long>(value * 10 + (text[at] - '0'), 1LL + INT_MAX);
    }
    if (negative) {
        return static_cast<int>(std::max<long long>(-value, INT_MIN));
    }
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

int LeadingInteger(std::string_view text) {
    const auto start = std::find_if_not(text.begin(), text.end(), IsCSpace);
    return SignedInteger(text.substr(static_cast<std::size_t>(start - text.begin())));
}

}  // namespace tarvik
