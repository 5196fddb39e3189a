#pragma once
// What the Settings tab accepts as the first subframe: an integer as a Windows dialog reads one
// from an edit box, within the range the results can use.
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr int kMinStartSubframe = 1;
inline constexpr int kMaxStartSubframe = 100;

inline constexpr const char* kNotAnInteger = "Please enter an integer.";
inline constexpr const char* kSubframeAccepted = "Ok";

// Blanks before and after, one sign, then decimal digits and nothing else; a value beyond a
// signed 32-bit integer is no integer either.
std::optional<int> ParseDialogInteger(std::string_view text);

// "Please enter an integer between 1 and 100."
std::string OutOfRangeMessage(int low, int high);

struct SubframeEntry {
    std::optional<int> value;  // set when the entry is accepted
    std::string message;       // what the user is told either way
};

SubframeEntry CheckSubframeEntry(std::string_view text);

}  // namespace tarvik
