#include "charts/graph_range.h"

#include <gtest/gtest.h>

#include <vector>

#include "charts/y_top.h"

namespace tarvik {
namespace {

constexpr PixelRect kPanel{0, 0, 300, 200};

TEST(GraphRange, PanelMapsLeftToMinimumAndBottomToMinimum) {
    const GraphRange range{{0.0, 10.0}, {0.0, 105.0}};
    const ValueMapping x = XMapping(kPanel, range.x);
    const ValueMapping y = YMapping(kPanel, range.y);
    EXPECT_EQ(x.PixelOf(0.0), 0);
    EXPECT_EQ(x.PixelOf(10.0), 300);
    EXPECT_EQ(y.PixelOf(0.0), 200);
    EXPECT_EQ(y.PixelOf(105.0), 0);
    EXPECT_EQ(GraphRange{}, (GraphRange{{0.0, 10.0}, {0.0, 10.0}}));
}

TEST(GraphRange, GrowingMovesOnlyTheEndTheValueIsBeyond) {
    struct Case {
        AxisRange range;
        double value;
        AxisRange grown;
        bool moved;
    } const cases[] =
        {
            {{0, 10}, 5, {0, 10}, false},  {{0, 10}, 10, {0, 10}, false},
            {{0, 10}, -2, {-2, 10}, true}, {{0, 10}, 12, {0, 12}, true},
            {{10, 0}, -2, {10, -2}, true},  // reversed: the lower end is max
            {{10, 0}, 12, {12, 0}, true},  {{0, 0}, 19, {0, 19}, true},  // no records: 0 to 0
            {{0, 0}, -3, {-3, 0}, true},
        };
    for (const Case& c : cases) {
        AxisRange range = c.range;
        EXPECT_EQ(GrowToTakeIn(range, c.value), c.moved) << c.range.min << ".." << c.range.max;
        EXPECT_EQ(range, c.grown) << c.value;
    }
}

TEST(GraphRange, DialogYRangeGrowsToTheHighestPointAsPointsAreAdded) {
    // Highest rate 19.0: Y max 11, then the points themselves take the range up to 19.
    const std::vector<double> series = {5.0, 19.0, 12.0, 18.5};
    GraphRange range{{0.0, static_cast<double>(series.size())},
                     {0.0, static_cast<double>(LineGraphYTop(19.0))}};
    EXPECT_EQ(range.y.max, 11.0);
    std::vector<bool> moved;
    for (std::size_t i = 0; i < series.size(); ++i) {
        moved.push_back(GrowToTakeIn(range, static_cast<double>(i), series[i]));
    }
    EXPECT_EQ(moved, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(range, (GraphRange{{0.0, 4.0}, {0.0, 19.0}}));
}

TEST(GraphRange, ZoomRectangleBecomesTheRange) {
    const GraphRange range{{0.0, 10.0}, {0.0, 100.0}};
    const GraphRange zoomed =
        RangeOfRectangle({5, 5, 50, 50}, XMapping(kPanel, range.x), YMapping(kPanel, range.y));
    EXPECT_DOUBLE_EQ(zoomed.x.min, 5.0 / 30.0);
    EXPECT_DOUBLE_EQ(zoomed.x.max, 50.0 / 30.0);
    EXPECT_DOUBLE_EQ(zoomed.y.min, 75.0);  // the rectangle's bottom edge
    EXPECT_DOUBLE_EQ(zoomed.y.max, 97.5);
}

TEST(GraphRange, PanningMakesTheGraphFollowTheMouse) {
    const GraphRange range{{0.0, 10.0}, {0.0, 100.0}};
    const ValueMapping x = XMapping(kPanel, range.x);
    const ValueMapping y = YMapping(kPanel, range.y);
    // 30 pixels right and 20 down: the values move with the mouse, so the range moves back.
    const GraphRange panned = PannedRange(range, x, y, {100, 100}, {130, 120});
    EXPECT_DOUBLE_EQ(panned.x.min, -1.0);
    EXPECT_DOUBLE_EQ(panned.x.max, 9.0);
    EXPECT_DOUBLE_EQ(panned.y.min, 10.0);
    EXPECT_DOUBLE_EQ(panned.y.max, 110.0);
    const ValueMapping after = XMapping(kPanel, panned.x);
    EXPECT_EQ(after.PixelOf(x.ValueOf(100)), 130);
    EXPECT_EQ(PannedRange(range, x, y, {7, 9}, {7, 9}), range);
}

}  // namespace
}  // namespace tarvik
