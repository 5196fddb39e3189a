#include "results/leading_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "base/text.h"

namespace tarvik {
namespace {

// The frame times the game writes ("16.666667,..."): digits, maybe a point and more digits,
// ended by the comma or the line end, within the field's capacity. A mantissa of at most 2^53
// divided by an exact power of ten is a single correctly rounded operation, so this gives
// strtod's value; anything else is left to the general rule.
bool ReadPlainDecimal(std::string_view line, double& value) {
    static constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                   1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                   1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
    const char* const begin = line.data();
    const char* const end = begin + std::min(line.size(), kFirstFieldMaxChars + 1);
    const char* at = begin;
    std::uint64_t mantissa = 0;
    while (at != end && IsDecimalDigit(*at)) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*at++ - '0');
    }
    const auto integerDigits = static_cast<std::size_t>(at - begin);
    std::size_t fractionDigits = 0;
    if (at != end && *at == '.') {
        const char* const fraction = ++at;
        while (at != end && IsDecimalDigit(*at)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*at++ - '0');
        }
        fractionDigits = static_cast<std::size_t>(at - fraction);
    }
    const auto length = static_cast<std::size_t>(at - begin);
    const bool ended = length == line.size() || *at == ',' || *at == '\r';
    if (!ended || length > kFirstFieldMaxChars || integerDigits + fractionDigits == 0 ||
        mantissa > (std::uint64_t{1} << 53)) {
        return false;
    }
    value = static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
    return true;
}

// Hexadecimal frame times are too rare to be worth a parser of their own.
double ReadWithStrtod(std::string_view text) {
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at != end && IsCSpace(*at)) {
        ++at;
    }
    const bool plus = at != end && *at == '+';
    const char* const number = (at != end && (*at == '+' || *at == '-')) ? at + 1 : at;
    if (end - number >= 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) {
        return ReadWithStrtod(std::string_view(at, static_cast<std::size_t>(end - at)));
    }
    // from_chars would also take "inf" and "nan", which are no frame times.
    if (number == end || !(IsDecimalDigit(*number) || *number == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(plus ? number : at, end, value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

// The game's own lines take the short road.
double ReadFirstField(std::string_view line) {
    double value = 0.0;
    if (ReadPlainDecimal(line, value)) {
        return value;
    }
    const std::size_t limit = std::min(line.size(), kFirstFieldMaxChars);
    const void* comma = std::memchr(line.data(), ',', limit);
    const std::size_t length =
        comma == nullptr ? limit
                         : static_cast<std::size_t>(static_cast<const char*>(comma) - line.data());
    return ReadLeadingNumber(line.substr(0, length));
}

}  // namespace tarvik
