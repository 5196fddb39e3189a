#include "charts/ruler_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

// A font whose every character is the same width.
MeasureText FixedPitch(int charWidth) {
    return
        [charWidth](const std::string& text) { return charWidth * static_cast<int>(text.size()); };
}

std::vector<std::string> TextsOf(const std::vector<RulerLabel>& labels) {
    std::vector<std::string> texts;
    for (const RulerLabel& label : labels) {
        texts.push_back(label.text);
    }
    return texts;
}

TEST(RulerLayout, SizesInInchesAtCommonResolutions) {
    struct Case {
        int pixelsPerInch;
        int thickness, fontHeight, tickLength;
    } const cases[] = {
        {96, 16, 14, 4}, {120, 20, 17, 5}, {144, 24, 21, 6},
        {72, 12, 10, 3}, {5, 1, 1, 1},  // never below one pixel
        {0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixelsPerInch);
        EXPECT_EQ(RulerThickness(c.pixelsPerInch), c.thickness);
        EXPECT_EQ(RulerLabelFontHeight(c.pixelsPerInch), c.fontHeight);
        EXPECT_EQ(RulerTickLength(c.pixelsPerInch), c.tickLength);
    }
}

TEST(RulerLayout, IntervalsAreTheSamplesThatFitRoundedUp) {
    struct Case {
        int length, thickness, sampleWidth;
        int intervals;
    } const cases[] = {
        {300, 16, 30, 10},  // 9.47
        {300, 16, 40, 8},   // 7.1
        {316, 16, 30, 10},  // exactly 10
        {46, 16, 30, 1},   {17, 16, 30, 1},
        {16, 16, 30, 0},   {10, 16, 30, 0},  // shorter than its thickness
        {300, 16, 0, 284},                   // a sample measured as nothing counts as one pixel
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RulerIntervals(c.length, c.thickness, c.sampleWidth), c.intervals)
            << c.length << " - " << c.thickness << " over " << c.sampleWidth;
    }
    EXPECT_EQ(std::string(kIntervalSample), "9.99 ");
}

TEST(RulerLayout, EndLabelCarriesTheExponent) {
    struct Case {
        const char* unit;
        int exponent;
        const char* text;
    } const cases[] = {
        {"", 0, ""}, {"s", 0, "s"}, {"", 1, "*1"}, {"", -3, "*-3"}, {"fps", 2, "fps*2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndLabelText(c.unit, c.exponent), c.text);
    }
    EXPECT_EQ(EndAreaSample("fps"), "fps-10");
    EXPECT_EQ(RulerTooltipText("Seconds", "s"), "Seconds, s");
}

// The horizontal ruler of a 300-pixel panel: the first 16 pixels are the corner beside the
// vertical ruler, the mapping runs over the rest.
struct HorizontalRuler {
    int charWidth;
    double min, max;
    std::string unit;

    TickSet Ticks() const {
        const int intervals = RulerIntervals(300, 16, charWidth * 5);
        return ComputeTicks(ValueMapping(16, 300, min, max), intervals);
    }
    std::vector<RulerLabel> Labels() const {
        const PixelSpan endArea =
            EndAreaBefore(300, charWidth * static_cast<int>(EndAreaSample(unit).size()));
        return RulerLabelsToDraw(Ticks(), endArea, FixedPitch(charWidth));
    }
};

TEST(RulerLayout, ZeroToTenOnThreeHundredPixels) {
    // Narrow digits: ten intervals, a label at every unit.
    const HorizontalRuler narrow{6, 0.0, 10.0, ""};
    EXPECT_EQ(TextsOf(narrow.Labels()),
              (std::vector<std::string>{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7",
                                        "0.8", "0.9"}));
    EXPECT_EQ(EndLabelText("", narrow.Ticks().exponent), "*1");
    // Wide digits: eight intervals fit, so the step doubles.
    const HorizontalRuler wide{8, 0.0, 10.0, ""};
    EXPECT_EQ(TextsOf(wide.Labels()),
              (std::vector<std::string>{"0.0", "0.2", "0.4", "0.6", "0.8"}));

    const std::vector<RulerLabel> labels = narrow.Labels();
    EXPECT_EQ(labels[1].tickPixel, 44);
    EXPECT_EQ(labels[1].span.begin, 35);  // centred: 18 wide
    EXPECT_EQ(labels[1].span.end, 53);
}

TEST(RulerLayout, ThousandthsShowTheirExponentAtTheEnd) {
    const HorizontalRuler ruler{6, 0.001, 0.004, "s"};
    const TickSet ticks = ruler.Ticks();
    EXPECT_EQ(ticks.exponent, -3);
    EXPECT_EQ(EndLabelText("s", ticks.exponent), "s*-3");
    // The last tick, 4.0, sits in the end area.
    EXPECT_EQ(TextsOf(ruler.Labels()),
              (std::vector<std::string>{"1.0", "1.5", "2.0", "2.5", "3.0", "3.5"}));
}

TEST(RulerLayout, LabelsThatWouldCollideAreLeftOut) {
    TickSet ticks;
    for (const int pixel : {0, 20, 40, 60, 80, 100}) {
        ticks.ticks.push_back({pixel, 0.0, pixel / 100.0});  // "0.0" to "1.0"
    }
    struct Case {
        const char* what;
        int charWidth;
        PixelSpan endArea;
        std::vector<int> drawn;
    } const cases[] = {
        {"room for all", 5, {200, 220}, {0, 20, 40, 60, 80, 100}},
        {"touching is not overlapping", 6, {200, 220}, {0, 20, 40, 60, 80, 100}},
        {"each one overlaps the one before: every other one goes", 7, {200, 220}, {0, 40, 80}},
        {"overlap counts against the last label drawn, not the last tick", 14, {200, 220}, {0, 60}},
        {"the end area takes the last ones", 5, {85, 100}, {0, 20, 40, 60}},
        {"the end area before the first tick", 5, {-30, 0}, {20, 40, 60, 80, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> drawn;
        for (const RulerLabel& label :
             RulerLabelsToDraw(ticks, c.endArea, FixedPitch(c.charWidth))) {
            drawn.push_back(label.tickPixel);
        }
        EXPECT_EQ(drawn, c.drawn);
    }
}

TEST(RulerLayout, EqualEndsDrawOneLabel) {
    // No records: a Y range of 0 to 0 gives its ticks all at one place.
    const TickSet ticks = ComputeTicks(ValueMapping(200, 16, 0.0, 0.0), 6);
    const std::vector<RulerLabel> labels =
        RulerLabelsToDraw(ticks, EndAreaBefore(16, 18), FixedPitch(6));
    EXPECT_EQ(TextsOf(labels), std::vector<std::string>{"0.0"});
    EXPECT_TRUE(MinorTickPixels(ticks).empty());
}

TEST(RulerLayout, MinorMarksHalfwayBetweenTicks) {
    const TickSet ticks = ComputeTicks(ValueMapping(0, 300, 0.0, 10.0), 5);
    EXPECT_EQ(MinorTickPixels(ticks), (std::vector<int>{30, 90, 150, 210}));
    const TickSet downwards = ComputeTicks(ValueMapping(200, 0, 0.0, 105.0), 5);
    EXPECT_EQ(MinorTickPixels(downwards), (std::vector<int>{152, 56}));
}

}  // namespace
}  // namespace tarvik
