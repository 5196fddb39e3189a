#include "charts/new_point_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "charts/panel_flags.h"

namespace tarvik {
namespace {

// A 300 x 200 panel showing 0..10 by 0..100: 30 pixels per unit across, 2 per unit up.
NewPointContext Context(int flags, bool redraw) {
    return {flags, redraw, {{0, 10}, {0, 100}}, {0, 0, 300, 200}, 2};
}

CPointsCollection Sorted(const std::vector<GraphPoint>& points) {
    CPointsCollection collection(true, false);
    for (const GraphPoint& point : points) {
        collection.AddPoint(point.x, point.y, true);
    }
    return collection;
}

TEST(NewPointDrawing, GrowingTheRangeRedrawsEverything) {
    const CPointsCollection points = Sorted({{1, 50}, {12, 50}});
    const NewPointPlan plan = PlanNewPoint(points, 1, Context(kDefaultPanelFlags, true));
    EXPECT_TRUE(plan.rangeChanged);
    EXPECT_EQ(plan.range, (GraphRange{{0, 12}, {0, 100}}));
    EXPECT_EQ(plan.action, NewPointAction::RedrawPanel);

    const NewPointPlan quiet = PlanNewPoint(points, 1, Context(kDefaultPanelFlags, false));
    EXPECT_TRUE(quiet.rangeChanged);  // the range is still set
    EXPECT_EQ(quiet.action, NewPointAction::Nothing);

    // Without the grow flag the range stays and the point is drawn where it falls.
    const NewPointPlan fixed = PlanNewPoint(points, 1, Context(kPointMarksFlag, true));
    EXPECT_FALSE(fixed.rangeChanged);
    EXPECT_EQ(fixed.range, (GraphRange{{0, 10}, {0, 100}}));
    EXPECT_EQ(fixed.action, NewPointAction::DrawOnly);
    EXPECT_EQ(fixed.lineTo, (PixelPoint{360, 100}));
}

TEST(NewPointDrawing, WhatIsDrawnForFirstLastAndMiddlePoints) {
    struct Case {
        const char* what;
        std::vector<GraphPoint> points;
        int position;
        int flags;
        bool redraw;
        NewPointAction action;
        bool line;
        bool mark;
        PixelPoint from, to;
        PixelRect copy;
    };
    const int marksAndLines = kDefaultPanelFlags;
    const int scatter = kDefaultPanelFlags | kScatterFlag;
    const int linesOnly = kGrowAxesFlag;
    // clang-format off
    const Case cases[] = {
        {"the only point: its mark", {{2, 50}}, 0, marksAndLines, true,
         NewPointAction::DrawOnly, false, true, {60, 100}, {60, 100}, {56, 96, 64, 104}},
        {"the only point without marks: nothing", {{2, 50}}, 0, linesOnly, true,
         NewPointAction::DrawOnly, false, false, {60, 100}, {60, 100}, {56, 96, 64, 104}},
        {"the last point: a line from the one before", {{1, 50}, {2, 60}, {4, 40}}, 2,
         marksAndLines, true,
         NewPointAction::DrawOnly, true, true, {60, 80}, {120, 120}, {56, 76, 124, 124}},
        {"the first point: a line from the second", {{0, 10}, {1, 50}, {2, 60}}, 0,
         marksAndLines, true,
         NewPointAction::DrawOnly, true, true, {30, 100}, {0, 180}, {-4, 96, 34, 184}},
        {"scatter: the mark alone", {{1, 50}, {2, 60}}, 1, scatter, true,
         NewPointAction::DrawOnly, false, true, {30, 100}, {60, 80}, {26, 76, 64, 104}},
        {"on the neighbour's pixel: nothing", {{1, 50}, {1.01, 49.9}}, 1, marksAndLines, true,
         NewPointAction::DrawOnly, false, false, {30, 100}, {30, 100}, {26, 96, 34, 104}},
        {"a middle point: everything again", {{1, 50}, {2, 60}, {4, 40}}, 1, marksAndLines,
         true, NewPointAction::RedrawPanel, false, false, {0, 0}, {0, 0}, {0, 0, 0, 0}},
        {"no redraw asked: nothing", {{1, 50}, {2, 60}}, 1, marksAndLines, false,
         NewPointAction::Nothing, false, false, {0, 0}, {0, 0}, {0, 0, 0, 0}},
        {"a position that is not there: nothing", {{1, 50}}, 1, marksAndLines, true,
         NewPointAction::Nothing, false, false, {0, 0}, {0, 0}, {0, 0, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NewPointPlan plan =
            PlanNewPoint(Sorted(c.points), c.position, Context(c.flags, c.redraw));
        EXPECT_FALSE(plan.rangeChanged);
        EXPECT_EQ(plan.action, c.action);
        if (c.action != NewPointAction::DrawOnly) {
            continue;
        }
        EXPECT_EQ(plan.drawLine, c.line);
        EXPECT_EQ(plan.drawMark, c.mark);
        EXPECT_EQ(plan.lineFrom, c.from);
        EXPECT_EQ(plan.lineTo, c.to);
        EXPECT_EQ(plan.mark, c.to);
        EXPECT_EQ(plan.copyRect, c.copy);
    }
}

}  // namespace
}  // namespace tarvik
