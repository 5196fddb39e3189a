// The single rules of the bar chart's layout, and that no client area, however small, gives
// a negative size or an endless layout.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "charts/bar_layout.h"
#include "charts/bar_results.h"

namespace tarvik {
namespace {

int HalfHeightWide(const BarFont& font) {
    return font.height / 2;
}

TEST(ShrunkFontHeight, DropsByTwoUntilHalfTheHeightPerCharacterFits) {
    const struct {
        int start, length, room, want;
    } cases[] = {
        {24, 17, 204, 24}, {24, 17, 203, 22},     {24, 17, 17, 2},
        {16, 3, 40, 16},   {16, 10, 40, 8},       {16, 0, 0, 16},  // nothing to fit
        {16, 3, 0, 2},     {24, 17, 5, 2},                         // the floor: never 0 nor below
        {1, 5, 0, 1},      {24, INT_MAX, 100, 2},                  // no overflow on a huge length
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShrunkFontHeight(c.start, c.length, c.room), c.want)
            << c.start << " " << c.length << " in " << c.room;
    }
}

TEST(QuadrantOf, ComesFromTheLowestPositionAndValueOfAllSeries) {
    const struct {
        const char* what;
        std::vector<std::vector<CGraphDataSet>> series;
        int want;
    } cases[] = {
        {"no data", {}, 1},
        {"all non-negative", {{{0, 5}, {1, 0}}, {{2, 7}}}, 1},
        {"a negative position", {{{0, 5}}, {{-1, 5}}}, 2},
        {"a negative value", {{{0, 5}, {1, -3}}}, 3},
        {"both in one data set", {{{-2, -1}}}, 4},
        {"both in different series", {{{-1, 4}}, {{3, -7}}}, 4},
    };
    for (const auto& c : cases) {
        CGraph graph(0);
        for (const auto& data : c.series) {
            auto series = std::make_unique<CGraphSeries>();
            for (const CGraphDataSet& d : data) {
                series->SetData(d.position, d.value);
            }
            graph.AddSeries(std::move(series));
        }
        EXPECT_EQ(QuadrantOf(graph), c.want) << c.what;
    }
}

TEST(LayOutBarGraph, QuadrantsMoveTheAxisCorner) {
    // Ticks 0 to 100 and no legend at 700 x 400: the corner would be (68, 330) and the axes
    // 622 wide and 290 high.
    const struct {
        CGraphDataSet data;
        int quadrant, left, line;
    } cases[] = {
        {{0, 5}, 1, 68, 330},
        {{-1, 5}, 2, 68 + 311, 330},
        {{0, -5}, 3, 68, 330 - 145},
        {{-1, -5}, 4, 68 + 311, 330 - 145},
    };
    for (const auto& c : cases) {
        CGraph graph(0);
        auto series = std::make_unique<CGraphSeries>();
        series->SetData(c.data.position, c.data.value);
        graph.AddSeries(std::move(series));
        const BarGraphLayout layout = LayOutBarGraph(graph, 700, 400, HalfHeightWide);
        EXPECT_EQ(layout.quadrant, c.quadrant);
        EXPECT_EQ(layout.xAxisLeft, c.left) << c.quadrant;
        EXPECT_EQ(layout.xAxisLine, c.line) << c.quadrant;
        EXPECT_EQ(layout.xAxisWidth, 622) << c.quadrant;
        EXPECT_EQ(layout.yAxis.from.x, c.left) << c.quadrant;
        EXPECT_EQ(layout.yAxis.from.y, c.line) << c.quadrant;
    }
}

TEST(BarHeight, ScalesFromTheMinimumAndKeepsWithinTheAxis) {
    // An axis 290 high scales over 280 pixels.
    const struct {
        const char* what;
        int value, minimum, maximum, axis, want;
    } cases[] = {
        {"the minimum", 0, 0, 100, 290, 0},
        {"half way", 50, 0, 100, 290, 140},
        {"the maximum", 100, 0, 100, 290, 280},
        {"a pixel a unit", 1, 0, 280, 290, 1},
        {"cut, not rounded", 1, 0, 100, 290, 2},
        {"one above a raised minimum", 11, 10, 100, 290, 3},
        {"raised to a scale below a pixel", 1, 0, 1000, 110, 0},
        {"above the maximum: capped", 150, 0, 100, 290, 290},
        {"the largest int", INT_MAX, 0, 100, 290, 290},
        {"below the minimum", 5, 10, 100, 290, 0},
        {"an axis under 10 pixels", 50, 0, 100, 5, 0},
        {"a huge value on an axis under 10 pixels", INT_MAX, 0, 1, 5, 0},
        {"no span, above it", 5, 0, 0, 290, 290},
        {"no span, on it", 0, 0, 0, 290, 0},
        {"a falling span", 50, 100, 0, 290, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarHeight(c.value, c.minimum, c.maximum, c.axis), c.want) << c.what;
    }
}

TEST(LayOutBarGraph, SkipsValuesOfMinusOneAndBelowAndColoursByGroupIndex) {
    CGraph graph(0);
    auto series = std::make_unique<CGraphSeries>();
    series->SetData(0, -1);
    series->SetData(1, 0);
    series->SetData(2, 50);
    series->SetData(3, -7);
    graph.AddSeries(std::move(series));
    graph.SetColor(5, 0x0000FF);  // group 0's colour, whatever position it names
    graph.SetColor(0, 0x00FF00);
    const BarGraphLayout layout = LayOutBarGraph(graph, 700, 400, HalfHeightWide);
    ASSERT_EQ(layout.bars.size(), 2u);
    EXPECT_EQ(layout.bars[0].group, 1);
    EXPECT_EQ(layout.bars[0].box.fill, 0x00FF00u);
    EXPECT_EQ(layout.bars[0].box.rect.Height(), 0);  // a zero value still has its place
    EXPECT_EQ(layout.bars[1].group, 2);
    EXPECT_EQ(layout.bars[1].box.fill, 0u);
    EXPECT_GT(layout.bars[1].box.rect.Height(), 0);
}

TEST(LayOutBarGraph, WithoutRecordsDrawsTheEmptyAxesOnly) {
    const BarGraphLayout layout = LayOutBarGraph(BuildBarChart({}, {}), 700, 400, HalfHeightWide);
    EXPECT_FALSE(layout.hasLegend);
    EXPECT_EQ(layout.xAxisLeft, 6 * 1 + 50);  // "0"
    EXPECT_EQ(layout.xAxisWidth, 695 - 56 - 5);
    EXPECT_TRUE(layout.yTicks.empty());
    EXPECT_EQ(layout.seriesTicks.size(), 3u);
    EXPECT_TRUE(layout.bars.empty());
}

TEST(LayOutBarGraph, LeavesOutTicksThatWouldHaveNoPixelBetweenThem) {
    CGraph graph = BuildBarChart({{"DM-Antalus", 10, 20, 150.3}}, {0x0000FF});
    graph.SetTickLimits(0, INT_MAX, 1);  // far more ticks than rows; laid out at once
    EXPECT_TRUE(LayOutBarGraph(graph, 700, 400, HalfHeightWide).yTicks.empty());
    graph.SetTickLimits(0, 280, 1);  // (290 - 10) / 280: one row each, all there
    EXPECT_EQ(LayOutBarGraph(graph, 700, 400, HalfHeightWide).yTicks.size(), 280u);
    EXPECT_TRUE(LayOutBarGraph(graph, 700, 399, HalfHeightWide).yTicks.empty());
}

// Sixteen runs with long names, no runs, and a series without groups.
std::vector<CGraph> DegenerateCharts() {
    std::vector<BarRecord> sixteen;
    for (int i = 0; i < 16; ++i) {
        sixteen.push_back({std::string(28, 'M'), 20.0 + i, 60.0 + i, 150.0 + 10 * i});
    }
    std::vector<CGraph> charts;
    charts.push_back(BuildBarChart(sixteen, {0x0000FF}));
    charts.push_back(BuildBarChart({}, {}));
    CGraph angled = BuildBarChart(sixteen, {});
    angled.SetXTickAngle(45);
    angled.SetXAxisLabel(std::string(300, 'X'));
    charts.push_back(std::move(angled));
    return charts;
}

TEST(LayOutBarGraph, NoAreaGivesANegativeSizeOrAFontUnderTwoPixels) {
    const int sides[] = {-10, 0, 1, 5, 19, 20, 21, 60, 75, 100, 140, 209, 400};
    const std::vector<CGraph> charts = DegenerateCharts();
    for (std::size_t chart = 0; chart < charts.size(); ++chart) {
        for (int width : sides) {
            for (int height : sides) {
                const BarGraphLayout layout =
                    LayOutBarGraph(charts[chart], width, height, HalfHeightWide);
                const std::string where = "chart " + std::to_string(chart) + " at " +
                                          std::to_string(width) + " x " + std::to_string(height);
                EXPECT_GE(layout.background.rect.Width(), 0) << where;
                EXPECT_GE(layout.background.rect.Height(), 0) << where;
                EXPECT_GE(layout.usableWidth, 0) << where;
                EXPECT_GE(layout.usableHeight, 0) << where;
                EXPECT_GE(layout.yAxisHeight, 0) << where;
                EXPECT_GE(layout.xAxisWidth, 0) << where;
                EXPECT_GE(layout.tickSpacing, 0) << where;
                EXPECT_GE(layout.slotWidth, 0) << where;
                EXPECT_GE(layout.barWidth, 0) << where;
                EXPECT_GE(layout.title.font.height, 2) << where;
                EXPECT_GE(layout.axisLabelFontHeight, 2) << where;
                EXPECT_GE(layout.legend.width, 0) << where;
                EXPECT_LE(static_cast<int>(layout.yTicks.size()),
                          std::max(0, layout.yAxisHeight - 10))
                    << where;
                for (const BarColumn& bar : layout.bars) {
                    EXPECT_GE(bar.box.rect.Width(), 0) << where;
                    EXPECT_GE(bar.box.rect.Height(), 0) << where;
                    EXPECT_LE(bar.box.rect.Height(), layout.yAxisHeight) << where;
                }
                for (const BarLegendEntry& entry : layout.legend.entries) {
                    EXPECT_GE(entry.swatch.rect.Width(), 0) << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarvik
