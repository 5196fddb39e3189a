#include "charts/value_mapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kLimit = ValueMapping::kPixelLimit;

struct Span {
    int pixelStart, pixelEnd;
    double valueStart, valueEnd;
    ValueMapping Mapping() const { return {pixelStart, pixelEnd, valueStart, valueEnd}; }
};

constexpr Span kWidth{0, 300, 0.0, 10.0};
constexpr Span kHeight{200, 0, 0.0, 105.0};  // bottom edge to top edge

TEST(ValueMapping, ValueToPixelTruncates) {
    struct Case {
        Span span;
        double value;
        int pixel;
    } const cases[] = {
        {kWidth, 5.0, 150},
        {kWidth, 3.33, 99},  // 99.9: truncated, not rounded
        {kWidth, 10.0, 300},
        {kWidth, -0.01, 0},  // -0.3: towards zero
        {kWidth, -1.0, -30},
        {kHeight, 0.0, 200},
        {kHeight, 52.5, 100},
        {kHeight, 105.0, 0},
        {kHeight, 106.0, -1},  // -1.9
        {{0, 100, 10.0, 0.0}, 2.5, 75},
        {{20, 320, -5.0, 5.0}, 0.0, 170},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.span.Mapping().PixelOf(c.value), c.pixel) << c.value;
    }
}

TEST(ValueMapping, PixelToValue) {
    struct Case {
        Span span;
        int pixel;
        double value;
    } const cases[] = {
        {kWidth, 150, 5.0},   {kWidth, 0, 0.0},    {kWidth, 330, 11.0},
        {kHeight, 100, 52.5}, {kHeight, 0, 105.0}, {{0, 100, 10.0, 0.0}, 75, 2.5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(c.span.Mapping().ValueOf(c.pixel), c.value) << c.pixel;
    }
    EXPECT_DOUBLE_EQ(kWidth.Mapping().factor(), 10.0 / 300.0);
    EXPECT_DOUBLE_EQ(kHeight.Mapping().factor(), -105.0 / 200.0);
}

TEST(ValueMapping, EmptySpansMapEverythingToTheStart) {
    struct Case {
        const char* what;
        Span span;
    } const cases[] = {
        {"no pixels", {50, 50, 0.0, 10.0}},
        {"a Y range of 0 to 0, as with no records", {200, 0, 0.0, 0.0}},
        {"both", {7, 7, 3.0, 3.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ValueMapping mapping = c.span.Mapping();
        for (const double value : {c.span.valueStart, c.span.valueStart + 1, -1e300}) {
            EXPECT_EQ(mapping.PixelOf(value), c.span.pixelStart);
        }
        for (const int pixel : {c.span.pixelStart, 0, 1000}) {
            EXPECT_EQ(mapping.ValueOf(pixel), c.span.valueStart);
        }
    }
    EXPECT_EQ(ValueMapping(50, 50, 0.0, 10.0).factor(), 0.0);
}

TEST(ValueMapping, ValuesOutsideWhatPixelsHoldStayDrawable) {
    const ValueMapping width = kWidth.Mapping();
    EXPECT_EQ(width.PixelOf(kNaN), 0);
    EXPECT_EQ(width.PixelOf(kInf), kLimit);
    EXPECT_EQ(width.PixelOf(-kInf), -kLimit);
    EXPECT_EQ(width.PixelOf(1e300), kLimit);
    EXPECT_EQ(kHeight.Mapping().PixelOf(1e300), -kLimit);
    EXPECT_EQ(ValueMapping(0, 100, kNaN, 1.0).PixelOf(0.5), 0);
    EXPECT_EQ(ValueMapping(1 << 30, 1 << 30, 0.0, 1.0).PixelOf(0.0), kLimit);

    // Ends whose distance is beyond a double
    const ValueMapping vast(0, 100, -1e308, 1e308);
    EXPECT_EQ(vast.PixelOf(0.0), 50);
    EXPECT_EQ(vast.PixelOf(5e307), 75);
    EXPECT_DOUBLE_EQ(vast.ValueOf(50), 0.0);
    EXPECT_DOUBLE_EQ(vast.ValueOf(0), -1e308);
    EXPECT_DOUBLE_EQ(vast.ValueOf(100), 1e308);
}

}  // namespace
}  // namespace tarvik
