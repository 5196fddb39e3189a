#include "charts/ticks.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/format.h"

namespace tarvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<int> PixelsOf(const TickSet& set) {
    std::vector<int> pixels;
    for (const Tick& tick : set.ticks) {
        pixels.push_back(tick.pixel);
    }
    return pixels;
}

// What a ruler shows for each tick.
std::vector<std::string> LabelsOf(const TickSet& set) {
    std::vector<std::string> labels;
    for (const Tick& tick : set.ticks) {
        labels.push_back(Format("%.1f", tick.scaled));
    }
    return labels;
}

TEST(Ticks, DecimalExponentOfTheLargerEnd) {
    struct Case {
        double value;
        int exponent;
    } const cases[] = {
        {0.0, 0},   {1.0, 0},   {9.99, 0}, {10.0, 1},  {150.0, 2},   {-250.0, 2},    {0.5, -1},
        {0.05, -2}, {0.99, -1}, {0.1, -2}, {1e-5, -6}, {1e300, 300}, {1e-300, -301}, {5e-324, -324},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecimalExponent(c.value), c.exponent) << c.value;
    }
    EXPECT_EQ(DecimalExponent(kNaN), 0);
    EXPECT_EQ(DecimalExponent(-kInf), 0);
}

TEST(Ticks, RangesWalkInOneTwoFiveSteps) {
    struct Range {
        int pixelStart, pixelEnd;
        double valueStart, valueEnd;
    };
    struct Case {
        const char* what;
        Range range;
        int intervals;
        int exponent;
        std::vector<int> pixels;
        std::vector<std::string> labels;
    };
    // clang-format off
    const Case cases[] = {
        {"0..10 on 300 pixels, ten labels fit: the single-precision 0.1 misses 10",
         {0, 300, 0.0, 10.0}, 10, 1,
         {0, 30, 60, 90, 120, 150, 180, 210, 240, 270},
         {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
        {"0..10, five labels fit", {0, 300, 0.0, 10.0}, 5, 1,
         {0, 60, 120, 180, 240}, {"0.0", "0.2", "0.4", "0.6", "0.8"}},
        {"0..10, three labels fit", {0, 300, 0.0, 10.0}, 3, 1,
         {0, 150, 300}, {"0.0", "0.5", "1.0"}},
        {"0.001..0.004 in thousandths", {0, 300, 0.001, 0.004}, 3, -3,
         {0, 100, 200, 300}, {"1.0", "2.0", "3.0", "4.0"}},
        {"0.001..0.004, finer", {0, 300, 0.001, 0.004}, 10, -3,
         {0, 50, 100, 150, 200, 249, 300}, {"1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0"}},
        {"a span below 0.2 rescales once more", {0, 300, 1.0, 1.1}, 5, -1,
         {0, 60, 120, 180, 240}, {"10.0", "10.2", "10.4", "10.6", "10.8"}},
        {"0.1 counts as 10 x 10^-2", {0, 300, 0.0, 0.1}, 5, -2,
         {0, 59, 119, 179, 239, 300}, {"0.0", "2.0", "4.0", "6.0", "8.0", "10.0"}},
        {"the dialog's Y axis, bottom to top", {200, 0, 0.0, 105.0}, 5, 2,
         {200, 104, 9}, {"0.0", "0.5", "1.0"}},
        {"downwards from the start; the nearest multiple is below it", {0, 300, 10.0, 0.0}, 5, 1,
         {59, 119, 179, 239, 300}, {"0.8", "0.6", "0.4", "0.2", "0.0"}},
        {"across zero", {0, 300, -5.0, 5.0}, 4, 0,
         {0, 150, 300}, {"-5.0", "0.0", "5.0"}},
        {"no intervals asked: steps of 0.1", {0, 300, 0.0, 1.0}, 0, 0,
         {0, 30, 60, 90, 120, 150, 180, 210, 240, 270},
         {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
        {"narrow at large values: the rescaling stops at 100, no step fits",
         {0, 300, 1000.0, 1000.01}, 10, 1, {}, {}},
        {"huge span", {0, 300, -1e308, 1e308}, 4, 308,
         {0, 75, 150, 225, 300}, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}},
        {"tiny values", {0, 300, 1e-20, 4e-20}, 3, -20,
         {0, 100, 200, 300}, {"1.0", "2.0", "3.0", "4.0"}},
        {"subnormal values", {0, 300, 2e-310, 8e-310}, 3, -310,
         {0, 99, 199}, {"2.0", "4.0", "6.0"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Range& r = c.range;
        const TickSet set = ComputeTicks(
            ValueMapping(r.pixelStart, r.pixelEnd, r.valueStart, r.valueEnd), c.intervals);
        EXPECT_EQ(set.exponent, c.exponent);
        EXPECT_EQ(PixelsOf(set), c.pixels);
        EXPECT_EQ(LabelsOf(set), c.labels);
    }
}

TEST(Ticks, StepIsTheFirstOfTheSeriesNotBelowTheWantedOne) {
    // Steps are in the scaled units of the exponent.
    struct Case {
        double start, end;
        int intervals;
        double step;
    } const cases[] = {
        {0, 1, 10, 0.1f},  // wanted 0.1: the single-precision 0.1 is just above it
        {0, 1, 9, 0.2f},  {0, 1, 5, 0.2f},  {0, 1, 4, 0.5},   {0, 1, 2, 0.5},
        {0, 1, 1, 1.0},   {0, 9, 2, 5.0},   {0, 5, 2, 5.0},   {0, 9, 1, 10.0},
        {0, 90, 3, 5.0},  {-9, 9, 2, 10.0}, {-9, 9, 1, 20.0},
    };
    for (const Case& c : cases) {
        const TickSet set = ComputeTicks(ValueMapping(0, 100, c.start, c.end), c.intervals);
        EXPECT_EQ(set.step, c.step) << c.start << ".." << c.end << " in " << c.intervals;
    }
    EXPECT_EQ(ComputeTicks(ValueMapping(0, 100, 0.0, 1.0), 10).ticks[1].value,
              static_cast<double>(0.1f));
}

TEST(Ticks, EqualEndsGiveTheIntervalsAllAtTheStart) {
    // No records: the dialog's Y range is 0 to 0.
    const TickSet none = ComputeTicks(ValueMapping(200, 0, 0.0, 0.0), 5);
    EXPECT_EQ(none.exponent, 0);
    EXPECT_EQ(PixelsOf(none), std::vector<int>(5, 200));
    EXPECT_EQ(LabelsOf(none), std::vector<std::string>(5, "0.0"));

    const TickSet fifty = ComputeTicks(ValueMapping(0, 300, 50.0, 50.0), 3);
    EXPECT_EQ(fifty.exponent, 1);
    EXPECT_EQ(LabelsOf(fifty), std::vector<std::string>(3, "5.0"));
    EXPECT_EQ(fifty.ticks[0].value, 50.0);

    EXPECT_TRUE(ComputeTicks(ValueMapping(0, 300, 1.0, 1.0), -4).ticks.empty());
    EXPECT_EQ(ComputeTicks(ValueMapping(0, 300, 1.0, 1.0), 1 << 30).ticks.size(),
              static_cast<std::size_t>(kMaxTicks));
}

TEST(Ticks, EndsThatAreNotNumbersGiveNoTicks) {
    struct Case {
        double start, end;
    } const cases[] = {{kNaN, 10.0}, {0.0, kNaN}, {0.0, kInf}, {-kInf, kInf}, {kInf, kInf}};
    for (const Case& c : cases) {
        const TickSet set = ComputeTicks(ValueMapping(0, 300, c.start, c.end), 10);
        EXPECT_TRUE(set.ticks.empty()) << c.start << ".." << c.end;
        EXPECT_EQ(set.exponent, 0);
    }
}

TEST(Ticks, WalkEndsWhereTheStepIsLostInTheValues) {
    // Negative ends keep rescaling until they are 0.2 apart; there a step of 0.1 is smaller
    // than half a unit of the values and adds nothing.
    const TickSet set = ComputeTicks(ValueMapping(0, 300, -4e15 - 1, -4e15), 10);
    EXPECT_EQ(set.exponent, 0);
    EXPECT_EQ(set.ticks.size(), 1u);
    EXPECT_LE(ComputeTicks(ValueMapping(0, 300, -1e300, 1e300), 1 << 30).ticks.size(),
              static_cast<std::size_t>(kMaxTicks));
}

}  // namespace
}  // namespace tarvik
