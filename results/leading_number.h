#pragma once
// How the CSV reader takes a number from the start of a field: the frame time of a data line.
#include <cstddef>
#include <string_view>

namespace tarvik {

// What is read of a data line's first field.
constexpr std::size_t kFirstFieldMaxChars = 19;

// The frame time of a data line: its first field (up to the first comma, at most
// kFirstFieldMaxChars characters) read with ReadLeadingNumber.
double ReadFirstField(std::string_view line);

// The C library's leading-number rule (blanks, sign, decimal or hexadecimal number, exponent):
// the same value strtod gives in the "C" locale. Text that does not start with a number reads
// as 0, and so does a value that is not a finite double (infinity, NaN, out of range), since a
// frame time must be a real number.
double ReadLeadingNumber(std::string_view text);

}  // namespace tarvik
