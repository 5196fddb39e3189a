#include "base/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tarvik {
namespace {

struct IntegerCase {
    std::string text;
    int leading;    // LeadingInteger
    int fromStart;  // SignedInteger
};

TEST(Text, IntegersReadAsAtoiWithoutOverflow) {
    const IntegerCase cases[] = {
        {"", 0, 0},
        {"42", 42, 42},
        {"+42", 42, 42},
        {"-42", -42, -42},
        {"-", 0, 0},
        {"+", 0, 0},
        {"+-1", 0, 0},
        {"- 1", 0, 0},
        {"0042x7", 42, 42},
        {" \t\n\v\f\r-3", -3, 0},
        {"  -0012x", -12, 0},
        {std::string("\0"
                     "5",
                     2),
         0, 0},
        {"\xA0"
         "5",
         0, 0},  // no locale's white space
        {"2147483647", INT_MAX, INT_MAX},
        {"2147483648", INT_MAX, INT_MAX},
        {"-2147483648", INT_MIN, INT_MIN},
        {"-2147483649", INT_MIN, INT_MIN},
        {"999999999999999999999999999999", INT_MAX, INT_MAX},
        {"-999999999999999999999999999999", INT_MIN, INT_MIN},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(LeadingInteger(c.text), c.leading) << '"' << c.text << '"';
        EXPECT_EQ(SignedInteger(c.text), c.fromStart) << '"' << c.text << '"';
    }
    // A view ends where it ends, whatever follows it in memory.
    EXPECT_EQ(LeadingInteger(std::string_view("123456", 3)), 123);
}

}  // namespace
}  // namespace tarvik
