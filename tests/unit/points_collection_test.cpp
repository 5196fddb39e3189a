#include "charts/points_collection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tarvik {
namespace {

struct Bounds {
    double minX, maxX, minY, maxY;
};

void ExpectBounds(const CPointsCollection& points, Bounds bounds) {
    EXPECT_EQ(points.minX(), bounds.minX);
    EXPECT_EQ(points.maxX(), bounds.maxX);
    EXPECT_EQ(points.minY(), bounds.minY);
    EXPECT_EQ(points.maxY(), bounds.maxY);
}

struct Insert {
    double x, y;
    bool redraw;
    int position;  // expected answer
};

TEST(PointsCollection, InsertingByValue) {
    struct Case {
        const char* what;
        bool sorted, keepDuplicates;
        std::vector<Insert> inserts;
        std::vector<GraphPoint> points;
        Bounds bounds;
    } const cases[] = {
        {"unsorted keeps the order given",
         false,
         false,
         {{3, 1, true, 0}, {1, 2, true, 1}, {2, 3, true, 2}, {1, 4, true, 3}},
         {{3, 1}, {1, 2}, {2, 3}, {1, 4}},
         {1, 3, 1, 4}},
        {"sorted: below the first, above the last, and between",
         true,
         false,
         {{2, 0, true, 0}, {1, 0, true, 0}, {5, 0, true, 2}, {3, 0, true, 2}},
         {{1, 0}, {2, 0}, {3, 0}, {5, 0}},
         {1, 5, 0, 0}},
        {"the later point at an x replaces the earlier; with redraw the bounds follow",
         true,
         false,
         {{1, 10, true, 0}, {2, 20, true, 1}, {2, 5, true, 1}},
         {{1, 10}, {2, 5}},
         {1, 2, 5, 10}},
        {"a replacement without redraw leaves the bounds only widened",
         true,
         false,
         {{1, 10, false, 0}, {2, 20, false, 1}, {2, 5, false, 1}},
         {{1, 10}, {2, 5}},
         {1, 2, 5, 20}},
        {"replacing the first and the last point",
         true,
         false,
         {{1, 1, true, 0}, {3, 3, true, 1}, {1, 9, true, 0}, {3, 0, true, 1}},
         {{1, 9}, {3, 0}},
         {1, 3, 0, 9}},
        {"keeping duplicates puts the new one before the first at that x",
         true,
         true,
         {{1, 10, true, 0}, {2, 20, true, 1}, {2, 5, true, 1}, {2, 7, true, 1}, {2, 8, true, 1}},
         {{1, 10}, {2, 8}, {2, 7}, {2, 5}, {2, 20}},
         {1, 2, 5, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPointsCollection points(c.sorted, c.keepDuplicates);
        for (const Insert& insert : c.inserts) {
            EXPECT_EQ(points.AddPoint(insert.x, insert.y, insert.redraw), insert.position)
                << insert.x << ", " << insert.y;
        }
        EXPECT_EQ(points.points(), c.points);
        ExpectBounds(points, c.bounds);
    }
}

TEST(PointsCollection, InsertingAtAPosition) {
    struct Case {
        bool sorted;
        int position;
        int answer;
        std::vector<GraphPoint> points;
    } const cases[] = {
        {false, 0, 0, {{9, -9}, {0, 0}, {1, 1}, {2, 2}}},
        {false, 2, 2, {{0, 0}, {1, 1}, {9, -9}, {2, 2}}},
        {false, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {9, -9}}},  // the count: by value
        {false, -1, 3, {{0, 0}, {1, 1}, {2, 2}, {9, -9}}},
        {false, 4, -1, {{0, 0}, {1, 1}, {2, 2}}},
        {false, -2, -1, {{0, 0}, {1, 1}, {2, 2}}},
        {true, 0, 3, {{0, 0}, {1, 1}, {2, 2}, {9, -9}}},  // sorted: always by value
        {true, 7, 3, {{0, 0}, {1, 1}, {2, 2}, {9, -9}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        CPointsCollection points(c.sorted, false);
        for (int i = 0; i < 3; ++i) {
            points.AddPoint(i, i, true);
        }
        EXPECT_EQ(points.AddPoint(9, -9, true, c.position), c.answer);
        EXPECT_EQ(points.points(), c.points);
        if (c.answer >= 0) {
            ExpectBounds(points, {0, 9, -9, 2});
        } else {
            ExpectBounds(points, {0, 2, 0, 2});
        }
    }
}

TEST(PointsCollection, EditingRemovesAndInsertsAgain) {
    struct Case {
        bool sorted;
        int index;
        double x, y;
        int answer;
        std::vector<GraphPoint> points;
        Bounds bounds;
    } const cases[] = {
        {false, 1, 7, -3, 1, {{0, 0}, {7, -3}, {2, 2}}, {0, 7, -3, 2}},
        {false, 2, -1, 5, 2, {{0, 0}, {1, 1}, {-1, 5}}, {-1, 1, 0, 5}},
        {true, 0, 5, 5, 2, {{1, 1}, {2, 2}, {5, 5}}, {1, 5, 1, 5}},
        // onto another point's x: it replaces that one
        {true, 0, 2, 9, 1, {{1, 1}, {2, 9}}, {1, 2, 1, 9}},
        {false, 3, 0, 0, -1, {{0, 0}, {1, 1}, {2, 2}}, {0, 2, 0, 2}},
        {true, -1, 0, 0, -1, {{0, 0}, {1, 1}, {2, 2}}, {0, 2, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        CPointsCollection points(c.sorted, false);
        for (int i = 0; i < 3; ++i) {
            points.AddPoint(i, i, true);
        }
        EXPECT_EQ(points.EditPoint(c.index, c.x, c.y, false), c.answer);
        EXPECT_EQ(points.points(), c.points);
        ExpectBounds(points, c.bounds);
    }
}

TEST(PointsCollection, RemovingRecomputesTheBounds) {
    CPointsCollection points(true, false);
    points.AddPoint(0, 5, true);
    points.AddPoint(1, -4, true);
    points.AddPoint(2, 60, true);
    EXPECT_EQ(points.RemovePoint(3), -1);
    EXPECT_EQ(points.RemovePoint(-1), -1);
    EXPECT_EQ(points.RemovePoint(2), 2);
    ExpectBounds(points, {0, 1, -4, 5});
    EXPECT_EQ(points.RemovePoint(0), 0);
    ExpectBounds(points, {1, 1, -4, -4});  // one point is its own bounds, not widened to 0
    EXPECT_EQ(points.RemovePoint(0), 0);
    ExpectBounds(points, {0, 0, 0, 0});
    EXPECT_EQ(points.RemovePoint(0), -1);
}

TEST(PointsCollection, ClearingEmptiesAndZeroesTheBounds) {
    CPointsCollection points(false, true);
    points.AddPoint(-3, -4, true);
    ExpectBounds(points, {-3, -3, -4, -4});
    points.AddPoint(8, 9, true);
    points.Clear();
    EXPECT_EQ(points.GetCount(), 0);
    ExpectBounds(points, {0, 0, 0, 0});
    EXPECT_EQ(points.AddPoint(2, 3, true), 0);
    ExpectBounds(points, {2, 2, 3, 3});
}

TEST(PointsCollection, PointsThatAreNotFiniteNumbersAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const bool sorted : {false, true}) {
        CPointsCollection points(sorted, false);
        points.AddPoint(1, 1, true);
        points.AddPoint(2, 2, true);
        EXPECT_EQ(points.AddPoint(nan, 0, true), -1);
        EXPECT_EQ(points.AddPoint(1.5, nan, true), -1);
        EXPECT_EQ(points.AddPoint(inf, 0, true, 0), -1);
        EXPECT_EQ(points.AddPoint(0, -inf, true), -1);
        EXPECT_EQ(points.EditPoint(0, nan, 1, true), -1);
        EXPECT_EQ(points.points(), (std::vector<GraphPoint>{{1, 1}, {2, 2}}));
        ExpectBounds(points, {1, 2, 1, 2});
    }
}

}  // namespace
}  // namespace tarvik
