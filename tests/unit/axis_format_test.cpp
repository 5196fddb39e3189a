#include "charts/axis_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

TEST(AxisFormat, NewAxisHasNoTitleNoUnitAndThreeDecimals) {
    const AxisProperties axis;
    EXPECT_EQ(axis.precision(), 3);
    EXPECT_EQ(axis.Pattern(0), "%0.3f");
    EXPECT_EQ(axis.Pattern(1), "%0.3f ");
    EXPECT_EQ(axis.Pattern(2), ": %0.3f ");
}

TEST(AxisFormat, EachPatternShowsTheValueItsWay) {
    AxisProperties seconds;
    seconds.Set("Seconds", "", 4);  // the line-graph dialog's X axis
    AxisProperties rate;
    rate.Set("Rate", "fps", 2);
    struct Case {
        const AxisProperties* axis;
        double value;
        int formatIndex;
        const char* text;
    } const cases[] = {
        {&seconds, 12.5, 0, "12.5000"},
        {&seconds, 12.5, 1, "12.5000 "},  // what the mouse tooltip shows
        {&seconds, 12.5, 2, "Seconds: 12.5000 "},
        {&rate, 59.994, 0, "59.99"},
        {&rate, 59.994, 1, "59.99 fps"},
        {&rate, -0.5, 2, "Rate: -0.50 fps"},
        {&rate, 1.0, -1, ""},
        {&rate, 1.0, 3, ""},
        {&seconds, 7.0, 100, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.axis->FormatAxisOutput(c.value, c.formatIndex), c.text)
            << c.value << " with format " << c.formatIndex;
    }
}

TEST(AxisFormat, EveryChangeRebuildsThePatterns) {
    AxisProperties axis;
    axis.Set("Frames Per Second", "fps", 4);
    axis.SetPrecision(0);
    EXPECT_EQ(axis.FormatAxisOutput(59.6, 2), "Frames Per Second: 60 fps");
    axis.SetUnit("Hz");
    EXPECT_EQ(axis.FormatAxisOutput(59.6, 1), "60 Hz");
    axis.SetTitle("Rate");
    EXPECT_EQ(axis.FormatAxisOutput(59.6, 2), "Rate: 60 Hz");
    EXPECT_EQ(axis.title(), "Rate");
    EXPECT_EQ(axis.unit(), "Hz");
}

TEST(AxisFormat, PercentSignsInTitleAndUnitAreShownNotRead) {
    AxisProperties axis;
    axis.Set("Load %s %n", "%d%%", 1);
    EXPECT_EQ(axis.FormatAxisOutput(2.24, 1), "2.2 %d%%");
    EXPECT_EQ(axis.FormatAxisOutput(2.24, 2), "Load %s %n: 2.2 %d%%");
}

TEST(AxisFormat, PrecisionStaysWithinWhatPrintfTakes) {
    AxisProperties axis;
    axis.SetPrecision(-2);
    EXPECT_EQ(axis.precision(), 0);
    EXPECT_EQ(axis.FormatAxisOutput(3.7, 0), "4");
    axis.SetPrecision(1 << 30);
    EXPECT_EQ(axis.precision(), AxisProperties::kMaxPrecision);
    EXPECT_EQ(axis.FormatAxisOutput(1.0, 0).size(), 2u + AxisProperties::kMaxPrecision);
}

}  // namespace
}  // namespace tarvik
