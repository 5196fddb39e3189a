#include "results/list_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(ListOrder, ComparesAsASortedListBox) {
    struct Case {
        const char* a;
        const char* b;
        int expected;  // sign of CompareListOrder(a, b)
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"UT2003-Bench-2026-12-10.csv", "ut2003-bench-2026-12-10.CSV", 0},
        {"Apple", "banana", -1},
        {"apple", "Banana", -1},
        {"abc", "abcd", -1},
        {"a10", "a9", -1},  // digit by digit
        {"a09", "a1", -1},
        // Symbols before digits before letters, in the list box's own symbol order.
        {"a b", "a!b", -1},
        {"a_1", "a1", -1},
        {"a.csv", "a_b.csv", -1},
        {"a~b", "a+b", -1},
        {"a>b", "a0b", -1},
        {"a[b", "a_b", -1},
        {"a9b", "aab", -1},
        {"a{b", "a~b", -1},
        // Hyphen and apostrophe only break ties.
        {"ab-c", "abb", 1},
        {"a-b.csv", "ab.csv", 1},
        {"a.csv", "a-b.csv", -1},
        {"coop", "co-op", -1},
        {"coop-", "co-op", -1},
        {"co'op", "co-op", -1},
        {"co-op", "co--op", -1},
        {"c-oop", "-coop", -1},
        {"ab-c-", "a-bc", -1},
        {"xy-z--", "x'yz'", -1},
        {"co-op", "coopa", -1},
        {"CO-OP", "co-op", 0},
        // The other control characters and DEL tie-break before the apostrophe.
        {"a\x01"
         "b",
         "a'b", -1},
        {"a\x7f"
         "b",
         "a'b", -1},
        {"a\x01"
         "b",
         "a\x1f"
         "b",
         -1},
        {"a\tb", "a!b", -1},
        // Bytes from 0x80 after the ASCII letters.
        {"a\xe9"
         "b",
         "azb", 1},
        {"a\xc9"
         "b",
         "a\xe9"
         "b",
         -1},
        {"", "a", -1},
        {"", "-", -1},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(CompareListOrder(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(CompareListOrder(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(ListOrder, SortKeepsEqualNamesInTheirOrder) {
    std::vector<std::string> names = {"b.csv",  "Run.csv", "a-1.csv", "RUN.csv",
                                      "a1.csv", "run.csv", "a_1.csv", "A.csv"};
    SortListOrder(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A.csv", "a_1.csv", "a1.csv", "a-1.csv", "b.csv",
                                               "Run.csv", "RUN.csv", "run.csv"}));
}

TEST(ListOrder, NewestNameIsTheLastInListOrder) {
    EXPECT_FALSE(NewestName({}).has_value());
    EXPECT_EQ(
        NewestName({"UT2003-Bench-2026-12-10-04-31-07.csv", "ut2003-bench-2026-12-10-04-31-08.csv",
                    "UT2003-Bench-2026-12-09-23-59-59.csv"}),
        "ut2003-bench-2026-12-10-04-31-08.csv");
    // Byte order would pick "a_b" ('_' after '9'); the list box puts "_" before digits.
    EXPECT_EQ(NewestName({"a_b.csv", "a9.csv"}), "a9.csv");
    // Of names equal without case, the last one listed.
    EXPECT_EQ(NewestName({"RUN.csv", "run.csv", "a.csv"}), "run.csv");
}

}  // namespace
}  // namespace tarvik
