#pragma once
// Small text rules shared by the subsystems: the C library's character classes, ASCII case and
// its leading integer, written out so that they never depend on a locale and never overflow.
#include <string>
#include <string_view>

namespace tarvik {

// The characters isspace takes in the "C" locale.
inline bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// A-Z to a-z; every other byte as it is, whatever the locale (file names, ini keys).
inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string LowerAscii(std::string_view text);

// Equal once A-Z count as a-z.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// An optional sign and the digits that follow it, from the very first character; nothing is
// skipped. 0 without digits; a number beyond int's range is held at INT_MAX or INT_MIN.
int SignedInteger(std::string_view text);

// As atoi reads a number: C white space, then SignedInteger. "  -0012x" gives -12.
int LeadingInteger(std::string_view text);

}  // namespace tarvik
