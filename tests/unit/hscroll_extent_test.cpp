#include "widgets/hscroll_extent.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvik {
namespace {

TEST(HScrollExtent, ItemNeedsItsTextAndTheMarginOfItsKind) {
    struct Case {
        int textWidth;
        bool tabStops;
        int extent;
    } const cases[] = {
        {0, false, 3},
        {120, false, 123},
        {120, true, 122},
        {0, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.textWidth);
        EXPECT_EQ(ItemExtent(c.textWidth, c.tabStops), c.extent);
    }
}

TEST(HScrollExtent, AddingOnlyEverWidens) {
    struct Case {
        int current;
        int item;
        int extent;
    } const cases[] = {
        {0, 40, 40},
        {100, 40, 100},
        {100, 100, 100},
        {100, 101, 101},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtentAfterAdding(c.current, c.item), c.extent) << c.current << " + " << c.item;
    }
}

TEST(HScrollExtent, RecomputingTakesTheWidestRemainingItem) {
    struct Case {
        std::vector<int> items;
        int extent;
    } const cases[] = {
        {{}, 0},
        {{53}, 53},
        {{12, 300, 45}, 300},
        {{12, 45}, 45},  // the widest one deleted: the extent narrows again
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtentOverItems(c.items), c.extent);
    }
}

}  // namespace
}  // namespace tarvik
