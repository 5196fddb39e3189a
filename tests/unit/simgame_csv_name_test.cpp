#include "tools/simgame/csv_name.h"

#include <gtest/gtest.h>

#include "results/list_order.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

// The new name must be the newest for a sorted list box, so it cannot collide with any name
// there; names of the usual kind also sort last in a plain case-insensitive comparison.
void ExpectSortsLast(const std::vector<std::string>& existing, const std::string& name,
                     bool plainOrderToo = true) {
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.substr(name.size() - 4), ".csv");
    std::vector<std::string> all = existing;
    all.push_back(name);
    EXPECT_EQ(NewestName(all), name);
    for (const std::string& old : existing) {
        EXPECT_LT(CompareListOrder(old, name), 0) << old << " / " << name;
        if (plainOrderToo) {
            EXPECT_LT(Lowered(old), Lowered(name)) << old << " / " << name;
        }
    }
}

TEST(SimgameCsvName, FollowsEveryNameAlreadyThere) {
    const struct {
        const char* what;
        std::vector<std::string> existing;
        const char* expected;  // nullptr: any name that sorts last
        bool plainOrderToo = true;
    } cases[] = {
        {"empty folder", {}, "UT2003-Benchmark-000001.csv"},
        {"own names",
         {"UT2003-Benchmark-000001.csv", "UT2003-Benchmark-000041.csv"},
         "UT2003-Benchmark-000042.csv"},
        {"letter case of own names",
         {"ut2003-benchmark-000007.CSV"},
         "UT2003-Benchmark-000008.csv"},
        {"older names that sort early",
         {"DM-Antalus 2003-01-05.csv", "123.csv", "UT2003-Benchmark-000003.csv"},
         "UT2003-Benchmark-000004.csv"},
        {"foreign name that sorts late", {"zzz.csv", "UT2003-Benchmark-000003.csv"}, nullptr},
        {"name only later without hyphens", {"UT2003Benchmarkz.csv"}, nullptr},
        {"name only later with case", {"ut2003-benchmark-000001a.csv"}, nullptr},
        // A list box puts "~" before letters; byte order would put it after them.
        {"punctuation first",
         {"~~~.csv", "UT2003-Benchmark-000001.csv"},
         "UT2003-Benchmark-000002.csv",
         false},
        {"high sequence elsewhere", {"Run-000900.csv"}, "UT2003-Benchmark-000901.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = NextResultCsvName(c.existing);
        if (c.expected != nullptr) {
            EXPECT_EQ(name, c.expected);
        }
        ExpectSortsLast(c.existing, name, c.plainOrderToo);
    }
}

// Many runs after a late foreign name: every new name is the newest, and the names stop growing.
TEST(SimgameCsvName, KeepsSortingLastRunAfterRun) {
    std::vector<std::string> folder = {"zzz.csv", "UT2003-Benchmark-000002.csv"};
    std::size_t longest = 0;
    for (int run = 0; run < 50; ++run) {
        const std::string name = NextResultCsvName(folder);
        ExpectSortsLast(folder, name);
        if (run > 1) {
            EXPECT_LE(name.size(), longest) << name;
        }
        longest = std::max(longest, name.size());
        folder.push_back(name);
    }
}

}  // namespace
}  // namespace tarvik::simgame
