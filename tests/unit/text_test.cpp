#include "base/text.h"

#include "base/file_chooser.h"

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

TEST(Text, CaseFoldsOnlyAsciiLetters) {
    // Every byte but A-Z stays: '@', '[', '`' and '{' sit next to the letters, and no byte
    // above 0x7F changes whatever the locale says.
    std::string bytes;
    std::string expected;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
        expected += static_cast<char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
    }
    EXPECT_EQ(LowerAscii(bytes), expected);

    struct EqualsCase {
        const char* a;
        const char* b;
        bool equal;
    };
    const EqualsCase cases[] = {
        {"UT2003.INI", "ut2003.ini", true},
        {"", "", true},
        {"abc", "abcd", false},
        {"[", "{", false},
        {"@", "`", false},
        {"Ä", "ä", false},
        {"Map.CSV", "map.csv", true},
        {"map.csv", "map.csx", false},
    };
    for (const EqualsCase& c : cases) {
        EXPECT_EQ(EqualsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(EqualsIgnoringAsciiCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

TEST(FilterFromBars, EveryBarBecomesTheNulWindowsSeparatesWith) {
    EXPECT_EQ(FilterFromBars("Tarvik Script (*.tvx) |*.tvx||"),
              std::string("Tarvik Script (*.tvx) \0*.tvx\0\0", 30));
    EXPECT_EQ(FilterFromBars(""), "");
}

}  // namespace
}  // namespace tarvik
