#include "charts/bar_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "charts/bar_results.h"

namespace tarvik {

std::ostream& operator<<(std::ostream& out, const BarFont& font) {
    return out << "[" << font.height << " at " << font.escapement << ", " << font.weight << ", "
               << font.pitchAndFamily << "]";
}

namespace {

// Rectangles and points compared as text, so that a failure shows them.
std::string Show(const PixelRect& rect) {
    return "{" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "}";
}
std::string Show(const PixelPoint& point) {
    return "(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
}

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;
constexpr ColorValue kBlue = 0xFF0000;

// Every font is as wide on average as half its height.
int HalfHeightWide(const BarFont& font) {
    return font.height / 2;
}

BarFont Bold(int height, int escapement = 0) {
    BarFont font;
    font.height = height;
    font.escapement = escapement;
    return font;
}

void ExpectText(const BarText& text, const std::string& want, PixelPoint at, const BarFont& font) {
    EXPECT_EQ(text.text, want);
    EXPECT_EQ(Show(text.at), Show(at)) << want;
    EXPECT_EQ(text.font, font) << want;
}

void ExpectLine(const BarLine& line, PixelPoint from, PixelPoint to, int width, ColorValue color) {
    EXPECT_EQ(Show(line.from), Show(from));
    EXPECT_EQ(Show(line.to), Show(to));
    EXPECT_EQ(line.width, width);
    EXPECT_EQ(line.color, color);
}

// Three runs at a client area of 700 x 400: Y maximum 225, step 20, 12 ticks.
CGraph ThreeRuns() {
    return BuildBarChart({{"DM-Antalus", 30.2, 60.6, 150.3},
                          {"CTF-Citadel", 20.0, 47.4, 99.5},
                          {"DM-Asbestos", 10.4, 30.5, 80.0}},
                         {kRed, kGreen, kBlue});
}

TEST(LayOutBarGraph, PlacesTheFrameTitleAndLegendOfThreeRuns) {
    const BarGraphLayout layout = LayOutBarGraph(ThreeRuns(), 700, 400, HalfHeightWide);
    EXPECT_FALSE(layout.unknownChartType);
    EXPECT_EQ(Show(layout.background.rect), Show(PixelRect{0, 0, 700, 400}));
    EXPECT_EQ(layout.background.fill, kColorWhite);
    EXPECT_EQ(layout.usableHeight, 380);
    EXPECT_EQ(layout.usableWidth, 695);
    BarFont titleFont = Bold(24);
    titleFont.pitchAndFamily = 0x10;
    ExpectText(layout.title, "UT 2003 Benchmark", {350 - 8 * 12, 10}, titleFont);
    EXPECT_EQ(layout.axisLabelFontHeight, 16);

    // 3 groups: 80 high, centred on row 190; the longest name has 11 characters of 7 pixels.
    ASSERT_TRUE(layout.hasLegend);
    const BarLegendLayout& legend = layout.legend;
    EXPECT_EQ(legend.height, 80);
    EXPECT_EQ(legend.width, 102);
    EXPECT_EQ(Show(legend.frame.rect), Show(PixelRect{588, 150, 690, 230}));
    EXPECT_EQ(legend.frame.fill, kColorWhite);
    ExpectText(legend.heading, "Legend", {588 + 51 - 3 * 8, 153}, Bold(16));
    const struct {
        const char* map;
        int y;
        ColorValue color;
    } entries[] = {
        {"DM-Antalus", 175, kRed}, {"CTF-Citadel", 193, kGreen}, {"DM-Asbestos", 211, kBlue}};
    ASSERT_EQ(legend.entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        ExpectText(legend.entries[i].label, entries[i].map, {593, entries[i].y}, Bold(12));
        EXPECT_EQ(Show(legend.entries[i].swatch.rect),
                  Show(PixelRect{669, entries[i].y, 681, entries[i].y + 12}));
        EXPECT_EQ(legend.entries[i].swatch.fill, entries[i].color);
    }
}

TEST(LayOutBarGraph, PlacesTheAxesTicksAndLabelsOfThreeRuns) {
    const BarGraphLayout layout = LayOutBarGraph(ThreeRuns(), 700, 400, HalfHeightWide);
    EXPECT_EQ(layout.quadrant, 1);
    EXPECT_EQ(layout.xAxisLeft, 6 * 3 + 50);  // "225" has three digits
    EXPECT_EQ(layout.xAxisLine, 330);
    EXPECT_EQ(layout.yAxisHeight, 290);
    EXPECT_EQ(layout.xAxisWidth, 588 - 68 - 10);  // up to the legend
    ASSERT_TRUE(layout.hasAxes);
    ExpectLine(layout.yAxis, {68, 330}, {68, 40}, 2, kColorBlack);
    ExpectLine(layout.xAxis, {68, 330}, {578, 330}, 2, kColorBlack);
    ExpectText(layout.yLabel, "FPS", {10, 330 - 145 + 12}, Bold(16, 900));
    ExpectText(layout.xLabel, "Maps", {68 + 255 - 16, 369}, Bold(16));

    // (290 - 10) / 12 = 23 pixels between ticks, labelled every 20 up to 240.
    EXPECT_EQ(layout.tickSpacing, 23);
    ASSERT_EQ(layout.yTicks.size(), 12u);
    for (int i = 1; i <= 12; ++i) {
        const BarYTick& tick = layout.yTicks[static_cast<std::size_t>(i - 1)];
        const int y = 330 - 23 * i;
        const std::string label = std::to_string(20 * i);
        EXPECT_EQ(tick.y, y);
        ExpectLine(tick.mark, {65, y}, {71, y}, 2, kColorBlack);
        EXPECT_FALSE(tick.hasGrid);
        const int labelX = 68 - 6 * static_cast<int>(label.size()) - 10;
        ExpectText(tick.label, label, {labelX, y - 6}, Bold(12));
    }
    EXPECT_EQ(layout.yTicks.back().label.text, "240");

    EXPECT_EQ(layout.slotWidth, 170);
    const struct {
        const char* label;
        int x;
    } series[] = {{"highfps", 153}, {"avgfps", 323}, {"lowfps", 493}};
    ASSERT_EQ(layout.seriesTicks.size(), 3u);
    for (std::size_t s = 0; s < 3; ++s) {
        const BarSeriesTick& tick = layout.seriesTicks[s];
        const int x = series[s].x;
        EXPECT_EQ(tick.x, x);
        ExpectLine(tick.mark, {x, 327}, {x, 333}, 2, kColorBlack);
        const int half = static_cast<int>(std::string(series[s].label).size()) * 4;
        ExpectText(tick.label, series[s].label, {x - half, 338}, Bold(12));
    }
}

TEST(LayOutBarGraph, StandsEachRunsBarsInItsColourOnTheAxis) {
    const BarGraphLayout layout = LayOutBarGraph(ThreeRuns(), 700, 400, HalfHeightWide);
    // A slot of 170: bars of 170 x 0.6 / 3 = 34 side by side, 102 centred on each series tick;
    // 280 pixels for 225 frames a second.
    EXPECT_EQ(layout.barWidth, 34);
    EXPECT_EQ(layout.groupWidth, 102);
    const struct {
        int series, group;
        PixelRect rect;
        ColorValue fill;
    } want[] = {
        {0, 0, {102, 330 - 186, 136, 330}, kRed},    // 150
        {0, 1, {136, 330 - 124, 170, 330}, kGreen},  // 100
        {0, 2, {170, 330 - 99, 204, 330}, kBlue},    // 80
        {1, 0, {272, 330 - 75, 306, 330}, kRed},     // 61
        {1, 1, {306, 330 - 58, 340, 330}, kGreen},   // 47
        {1, 2, {340, 330 - 38, 374, 330}, kBlue},    // 31
        {2, 0, {442, 330 - 37, 476, 330}, kRed},     // 30
        {2, 1, {476, 330 - 24, 510, 330}, kGreen},   // 20
        {2, 2, {510, 330 - 12, 544, 330}, kBlue},    // 10
    };
    ASSERT_EQ(layout.bars.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const BarColumn& bar = layout.bars[i];
        EXPECT_EQ(bar.series, want[i].series) << i;
        EXPECT_EQ(bar.group, want[i].group) << i;
        EXPECT_EQ(Show(bar.box.rect), Show(want[i].rect)) << i;
        EXPECT_EQ(bar.box.fill, want[i].fill) << i;
    }
}

// Records whose first map name is the longest, `longest` characters.
CGraph RunsNamed(int count, int longest) {
    std::vector<BarRecord> records;
    for (int i = 0; i < count; ++i) {
        const std::string name = i == 0 ? std::string(static_cast<std::size_t>(longest), 'M') : "M";
        records.push_back({name, 10.0, 20.0, 150.3});
    }
    return BuildBarChart(records, {kRed, kGreen, kBlue});
}

TEST(LayOutBarGraph, SizesTheLegendByRecordsAndLongestName) {
    const struct {
        int records, longest;
        PixelRect frame;
        int lastEntryY;
        PixelRect firstSwatch;
    } cases[] = {
        {1, 10, {595, 168, 690, 212}, 193, {670, 193, 682, 205}},
        {4, 11, {588, 141, 690, 239}, 220, {669, 166, 681, 178}},
        {16, 28, {469, 33, 690, 347}, 328, {652, 58, 664, 70}},
        // A one-letter name leaves the swatch only up to 5 pixels inside the frame.
        {2, 1, {658, 159, 690, 221}, 202, {679, 184, 685, 196}},
    };
    for (const auto& c : cases) {
        const BarGraphLayout layout =
            LayOutBarGraph(RunsNamed(c.records, c.longest), 700, 400, HalfHeightWide);
        const BarLegendLayout& legend = layout.legend;
        EXPECT_EQ(Show(legend.frame.rect), Show(c.frame)) << c.records;
        EXPECT_EQ(legend.height, c.records * 18 + 26) << c.records;
        EXPECT_EQ(legend.width, c.frame.Width()) << c.records;
        ASSERT_EQ(legend.entries.size(), static_cast<std::size_t>(c.records));
        EXPECT_EQ(Show(legend.entries.back().label.at),
                  Show(PixelPoint{c.frame.left + 5, c.lastEntryY}))
            << c.records;
        EXPECT_EQ(Show(legend.entries.front().swatch.rect), Show(c.firstSwatch)) << c.records;
        EXPECT_EQ(layout.xAxisWidth, c.frame.left - 68 - 10) << c.records;
    }
}

TEST(LayOutBarGraph, TitleKeepsItsHeightFromAUsableWidthOf204) {
    const struct {
        int clientWidth, height;
    } cases[] = {
        {209, 24}, {208, 22},  {192, 22},
        {191, 20}, {2000, 24}, {22, 2},  // 17 characters of 1 pixel fit in 17
        {21, 2},   {0, 2},               // it stops at 2 pixels rather than reach 0
    };
    for (const auto& c : cases) {
        const BarGraphLayout layout =
            LayOutBarGraph(ThreeRuns(), c.clientWidth, 400, HalfHeightWide);
        EXPECT_EQ(layout.title.font.height, c.height) << c.clientWidth;
        EXPECT_EQ(layout.title.at.x, c.clientWidth / 2 - 8 * (c.height / 2)) << c.clientWidth;
    }
}

TEST(LayOutBarGraph, ShrinksTheAxisLabelsAlongTheShorterSide) {
    const struct {
        int width, height;
        const char* xLabel;
        const char* yLabel;
        int want;
    } cases[] = {
        // Usable 695 x 40, the Y label must fit the height: 8 x 10 = 80, ... 4 x 10 = 40.
        {700, 60, "Maps", "Frame rate", 8},
        {700, 60, "A much longer X label of 40 characters.", "FPS", 16},
        // Usable 95 x 380, the X label must fit the width: 4 x 20 = 80.
        {100, 400, "Twenty characters...", "FPS", 8},
        {100, 400, "Maps", "A much longer Y label of 40 characters.", 16},
    };
    for (const auto& c : cases) {
        CGraph graph = ThreeRuns();
        graph.SetXAxisLabel(c.xLabel);
        graph.SetYAxisLabel(c.yLabel);
        const BarGraphLayout layout = LayOutBarGraph(graph, c.width, c.height, HalfHeightWide);
        EXPECT_EQ(layout.axisLabelFontHeight, c.want) << c.xLabel << " / " << c.yLabel;
        EXPECT_EQ(layout.xLabel.font, Bold(c.want));
        EXPECT_EQ(layout.yLabel.font, Bold(c.want, 900));
    }
}

TEST(LayOutBarGraph, ATurnedSeriesLabelRaisesTheXAxis) {
    CGraph graph = ThreeRuns();
    graph.SetXTickAngle(30);
    const BarGraphLayout layout = LayOutBarGraph(graph, 700, 400, HalfHeightWide);
    EXPECT_EQ(layout.xAxisLine, 380 - 6 * 4 - 15);  // by the length of "Maps", as it always did
    EXPECT_EQ(layout.yAxisHeight, 341 - 40);
    ASSERT_EQ(layout.seriesTicks.size(), 3u);
    EXPECT_EQ(layout.seriesTicks[0].label.font, Bold(12, 300));
    EXPECT_EQ(layout.seriesTicks[0].label.at.y, 341 + 8);
}

TEST(LayOutBarGraph, GridLinesCrossTheChartAtEachTick) {
    CGraph graph = ThreeRuns();
    graph.SetGridLines(true);
    const BarGraphLayout layout = LayOutBarGraph(graph, 700, 400, HalfHeightWide);
    ASSERT_EQ(layout.yTicks.size(), 12u);
    for (const BarYTick& tick : layout.yTicks) {
        EXPECT_TRUE(tick.hasGrid);
        ExpectLine(tick.grid, {68, tick.y}, {578, tick.y}, 1, 0x808080);
    }
}

TEST(LayOutBarGraph, LaysOutBarsOnlyForVerticalBarCharts) {
    CGraph lines(1);
    lines.SetLegend(0, "DM-Antalus");
    const BarGraphLayout lineLayout = LayOutBarGraph(lines, 700, 400, HalfHeightWide);
    EXPECT_TRUE(lineLayout.hasAxes);
    EXPECT_TRUE(lineLayout.hasLegend);

    CGraph pie(2);  // pies have no axes
    pie.SetLegend(0, "DM-Antalus");
    const BarGraphLayout pieLayout = LayOutBarGraph(pie, 700, 400, HalfHeightWide);
    EXPECT_FALSE(pieLayout.hasAxes);
    EXPECT_TRUE(pieLayout.yTicks.empty());
    EXPECT_TRUE(pieLayout.hasLegend);
    EXPECT_EQ(pieLayout.title.font.height, 24);

    CGraph horizontal = ThreeRuns();
    horizontal.SetVertical(false);
    EXPECT_TRUE(LayOutBarGraph(horizontal, 700, 400, HalfHeightWide).bars.empty());
    EXPECT_EQ(LayOutBarGraph(ThreeRuns(), 700, 400, HalfHeightWide).bars.size(), 9u);

    const BarGraphLayout unknown = LayOutBarGraph(CGraph(5), 700, 400, HalfHeightWide);
    EXPECT_TRUE(unknown.unknownChartType);
    EXPECT_EQ(Show(unknown.background.rect), Show(PixelRect{0, 0, 700, 400}));
    EXPECT_FALSE(unknown.hasAxes);
    EXPECT_FALSE(unknown.hasLegend);
    EXPECT_TRUE(unknown.title.text.empty());
}

}  // namespace
}  // namespace tarvik
