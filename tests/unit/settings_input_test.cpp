#include "results/settings_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarvik {
namespace {

TEST(ParseDialogInteger, ReadsWhatAWindowsDialogTakesForAnInteger) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"20", 20},
        {"  20", 20},
        {"\t7  ", 7},
        {"+5", 5},
        {"-3", -3},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDialogInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(CheckSubframeEntry, AcceptsOneToAHundredAndSaysWhyOtherwise) {
    const struct {
        const char* text;
        std::optional<int> value;
        const char* message;
    } cases[] = {
        {"1", 1, "Ok"},
        {" 100 ", 100, "Ok"},
        {"0", std::nullopt, "Please enter an integer between 1 and 100."},
        {"101", std::nullopt, "Please enter an integer between 1 and 100."},
        {"-4", std::nullopt, "Please enter an integer between 1 and 100."},
        {"", std::nullopt, "Please enter an integer."},
        {"ten", std::nullopt, "Please enter an integer."},
        {"5000000000", std::nullopt, "Please enter an integer."},
    };
    for (const auto& c : cases) {
        const SubframeEntry entry = CheckSubframeEntry(c.text);
        EXPECT_EQ(entry.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(entry.message, c.message) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace tarvik
