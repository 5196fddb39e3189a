#include "charts/graph_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvik {
namespace {

TEST(GraphPixels, MarkSizeFollowsTheVerticalResolution) {
    struct Case {
        int pixelsPerInch;
        int halfSize;
    } const cases[] = {{96, 2}, {72, 2}, {120, 3}, {144, 4}, {192, 5}, {0, 0}, {-96, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(MarkHalfSize(c.pixelsPerInch), c.halfSize) << c.pixelsPerInch;
    }
    EXPECT_EQ(MarkRect({10, 20}, 2), (PixelRect{8, 18, 13, 23}));  // 5 x 5, centred
    EXPECT_EQ(MarkRect({10, 20}, 0), (PixelRect{10, 20, 11, 21}));
}

TEST(GraphPixels, PointsOnThePixelOfThePreviousOneAreLeftOut) {
    CPointsCollection points(false, true);
    for (const GraphPoint& point : std::vector<GraphPoint>{
             {0, 0}, {0.01, 0.1}, {0.02, 0.2}, {0.02, 0.21}, {1, 50}, {0, 0}, {10, 100}}) {
        points.AddPoint(point.x, point.y, true);
    }
    const ValueMapping x(0, 300, 0.0, 10.0);
    const ValueMapping y(200, 0, 0.0, 100.0);
    // (0.01, 0.1) and (0.02, 0.2) both land on (0, 199); a pixel met again later is kept.
    EXPECT_EQ(GraphPixels(points, x, y),
              (std::vector<PixelPoint>{{0, 200}, {0, 199}, {30, 100}, {0, 200}, {300, 0}}));
    EXPECT_TRUE(GraphPixels(CPointsCollection(true, false), x, y).empty());
}

TEST(GraphPixels, AnHourOfSecondsOnThreeHundredPixelsDrawsThreeHundred) {
    CPointsCollection points(true, false);
    for (int second = 0; second < 3600; ++second) {
        points.AddPoint(second, 60 + second / 600, true);  // the rate changes every ten minutes
    }
    const std::vector<PixelPoint> pixels =
        GraphPixels(points, ValueMapping(0, 300, 0.0, 3600.0), ValueMapping(200, 0, 0.0, 100.0));
    ASSERT_EQ(pixels.size(), 300u);
    for (int column = 0; column < 300; ++column) {
        EXPECT_EQ(pixels[static_cast<std::size_t>(column)].x, column);
    }
    EXPECT_EQ(pixels.front(), (PixelPoint{0, 80}));
    EXPECT_EQ(pixels.back(), (PixelPoint{299, 70}));
}

}  // namespace
}  // namespace tarvik
