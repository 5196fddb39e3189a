#include "charts/graph_fit.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace tarvik {
namespace {

CPointsCollection WithPoints(const std::vector<GraphPoint>& points) {
    CPointsCollection collection(true, false);
    for (const GraphPoint& point : points) {
        collection.AddPoint(point.x, point.y, true);
    }
    return collection;
}

void ExpectBox(const std::optional<ValueBox>& box, ValueBox expected) {
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->minX, expected.minX);
    EXPECT_EQ(box->maxX, expected.maxX);
    EXPECT_EQ(box->minY, expected.minY);
    EXPECT_EQ(box->maxY, expected.maxY);
}

TEST(GraphFit, BoxTakesInOnlyVisibleGraphsWithPoints) {
    const CPointsCollection first = WithPoints({{0, 40}, {1, 60}, {2, 55}});
    const CPointsCollection second = WithPoints({{0, 20}, {5, 90}});
    const CPointsCollection hidden = WithPoints({{-10, 500}});
    const CPointsCollection empty = WithPoints({});

    VisibleBounds bounds;
    EXPECT_FALSE(bounds.box().has_value());
    bounds.Add(empty, true);
    bounds.Add(hidden, false);
    EXPECT_FALSE(bounds.box().has_value());  // Fit then changes nothing
    bounds.Add(first, true);
    ExpectBox(bounds.box(), {0, 2, 40, 60});
    bounds.Add(second, true);
    bounds.Add(hidden, false);
    ExpectBox(bounds.box(), {0, 5, 20, 90});
}

TEST(GraphFit, WidthHeightAndPage) {
    const GraphRange current{{-3, 3}, {0, 105}};
    const ValueBox box{0, 59, 12.5, 88};
    struct Case {
        FitKind kind;
        GraphRange range;
    } const cases[] = {
        {FitKind::Width, {{0, 59}, {0, 105}}},
        {FitKind::Height, {{-3, 3}, {12.5, 88}}},
        {FitKind::Page, {{0, 59}, {12.5, 88}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FittedRange(c.kind, current, box), c.range) << static_cast<int>(c.kind);
    }
}

TEST(GraphFit, OneValueOpensARangeAroundIt) {
    struct Case {
        double value;
        AxisRange range;
    } const cases[] = {
        {60.0, {54.0, 66.0}},
        {-20.0, {-22.0, -18.0}},
        {0.0, {-1.0, 1.0}},
        {1e-320, {1e-320 - 1.0, 1e-320 + 1.0}},
        {DBL_MAX, {DBL_MAX - DBL_MAX / 10, DBL_MAX}},
        {-DBL_MAX, {-DBL_MAX, -DBL_MAX + DBL_MAX / 10}},
    };
    for (const Case& c : cases) {
        const AxisRange range = FittedAxis(c.value, c.value);
        EXPECT_DOUBLE_EQ(range.min, c.range.min) << c.value;
        EXPECT_DOUBLE_EQ(range.max, c.range.max) << c.value;
        EXPECT_LT(range.min, range.max);
    }
    // A single point fits to a box around it on both axes.
    VisibleBounds bounds;
    bounds.Add(WithPoints({{3, 60}}), true);
    EXPECT_EQ(FittedRange(FitKind::Page, {}, *bounds.box()),
              (GraphRange{FittedAxis(3, 3), FittedAxis(60, 60)}));
    EXPECT_EQ(FittedAxis(2, 7), (AxisRange{2, 7}));
}

}  // namespace
}  // namespace tarvik
