#include "charts/bar_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvik {
namespace {

BarRecord Record(const char* map, double low, double average, double high) {
    return {map, low, average, high};
}

std::vector<BarRecord> WithHighest(double high) {
    return {Record("DM-Antalus", 1.0, 2.0, high)};
}

TEST(BarAxisScale, FollowsTheHighestHighRate) {
    const struct {
        double highest;
        int rounded, tens, yMax, step, ticks;
    } cases[] = {
        {150.3, 150, 150, 225, 20, 12},  // 11 x 20 = 220 < 225: one more tick, the top reads 240
        {89.6, 90, 90, 135, 10, 14},
        {95.4, 95, 90, 135, 10, 14},
        {39.5, 40, 40, 60, 10, 6},  // the smallest that the formula's step suits
        {1000.0, 1000, 1000, 1500, 150, 10},
        // Below a Y maximum of 50 the formula gives 0; the step becomes 5.
        {39.4, 39, 30, 45, 5, 9},
        {19.0, 19, 10, 15, 5, 3},
        {9.4, 9, 0, 0, 5, 0},
    };
    for (const auto& c : cases) {
        const BarAxisScale scale = BarAxisScaleOf(WithHighest(c.highest));
        EXPECT_DOUBLE_EQ(scale.highest, c.highest);
        EXPECT_EQ(scale.rounded, c.rounded) << c.highest;
        EXPECT_EQ(scale.tens, c.tens) << c.highest;
        EXPECT_EQ(scale.yMax, c.yMax) << c.highest;
        EXPECT_EQ(scale.step, c.step) << c.highest;
        const CGraph graph = BuildBarChart(WithHighest(c.highest), {});
        EXPECT_EQ(graph.MaxTick(), c.yMax) << c.highest;
        EXPECT_EQ(graph.TickStep(), c.step) << c.highest;
        EXPECT_EQ(graph.NumTicks(), c.ticks) << c.highest;
    }
}

TEST(BarAxisScale, TakesTheLargestHighRateOfAllRecords) {
    const std::vector<BarRecord> records = {Record("a", 1, 2, 80.2), Record("b", 300, 300, 151.0),
                                            Record("c", 1, 2, 99.9)};
    EXPECT_DOUBLE_EQ(BarAxisScaleOf(records).highest, 151.0);  // low and average rates do not count
    EXPECT_EQ(BarAxisScaleOf(records).yMax, 225);

    const BarAxisScale none = BarAxisScaleOf({});
    EXPECT_DOUBLE_EQ(none.highest, 0.0);
    EXPECT_EQ(none.yMax, 0);
    EXPECT_EQ(none.step, kSmallAxisStep);
    EXPECT_DOUBLE_EQ(BarAxisScaleOf(WithHighest(-20.0)).highest, 0.0);
}

TEST(RoundedRate, AddsAHalfAndCuts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double rate;
        int rounded;
    } cases[] = {
        {0.0, 0},
        {0.49, 0},
        {0.5, 1},
        {2.5, 3},
        {45.4, 45},
        {60.6, 61},
        {-2.7, -2},
        {-0.6, 0},
        {1e12, 1000000000},
        {infinity, 1000000000},
        {-infinity, -999999999},
        {nan, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedRate(c.rate), c.rounded) << c.rate;
    }
}

TEST(BuildBarChart, MakesThreeSeriesWithAGroupPerRecord) {
    const std::vector<BarRecord> records = {Record("DM-Antalus", 30.2, 60.6, 150.3),
                                            Record("CTF-Citadel", 20.0, 45.4, 99.5)};
    const CGraph graph = BuildBarChart(records, {0x0000FF, 0x00FF00, 0xFF0000});
    EXPECT_EQ(graph.ChartType(), kChartBars);
    EXPECT_EQ(graph.Title(), "UT 2003 Benchmark");
    EXPECT_EQ(graph.XAxisLabel(), "Maps");
    EXPECT_EQ(graph.YAxisLabel(), "FPS");
    EXPECT_EQ(graph.XTickAngle(), 0);
    EXPECT_EQ(graph.MinTick(), 0);
    EXPECT_EQ(graph.MaxTick(), 225);
    EXPECT_EQ(graph.GroupCount(), 2);

    // Left to right: high, average, low; each holds record i at position i, rounded.
    const struct {
        const char* label;
        int first, second;
    } want[] = {{"highfps", 150, 100}, {"avgfps", 61, 45}, {"lowfps", 30, 20}};
    ASSERT_EQ(graph.SeriesCount(), 3);
    for (int s = 0; s < 3; ++s) {
        const CGraphSeries& series = *graph.Series()[static_cast<std::size_t>(s)];
        EXPECT_EQ(series.Label(), want[s].label);
        EXPECT_EQ(series.Count(), 2);
        EXPECT_EQ(series.GetData(0), want[s].first) << want[s].label;
        EXPECT_EQ(series.GetData(1), want[s].second) << want[s].label;
    }

    EXPECT_EQ(graph.Colors().size(), 2u);  // one colour a record, not one a table entry
    EXPECT_EQ(graph.ColorOfGroup(0), 0x0000FFu);
    EXPECT_EQ(graph.ColorOfGroup(1), 0x00FF00u);
    EXPECT_TRUE(graph.LegendShown());
    ASSERT_EQ(graph.Legend().Entries().size(), 2u);
    EXPECT_EQ(graph.Legend().Entries()[0].label, "DM-Antalus");
    EXPECT_EQ(graph.Legend().Entries()[1].position, 1);
    EXPECT_EQ(graph.Legend().Entries()[1].label, "CTF-Citadel");
    EXPECT_EQ(graph.LongestLegendLabel(), 11);
}

TEST(BuildBarChart, WithoutRecordsHasEmptySeriesAndNoLegend) {
    const CGraph graph = BuildBarChart({}, {0x0000FF});
    EXPECT_EQ(graph.SeriesCount(), 3);
    EXPECT_EQ(graph.GroupCount(), 0);
    EXPECT_TRUE(graph.Colors().empty());
    EXPECT_FALSE(graph.LegendShown());
    EXPECT_EQ(graph.NumTicks(), 0);
}

TEST(BuildBarChart, RepeatsTheColoursPastTheEndOfTheList) {
    const std::vector<BarRecord> records(5, Record("DM-Antalus", 1, 2, 3));
    const CGraph graph = BuildBarChart(records, {0x0000FF, 0x00FF00});
    EXPECT_EQ(graph.ColorOfGroup(2), 0x0000FFu);
    EXPECT_EQ(graph.ColorOfGroup(4), 0x0000FFu);
    EXPECT_EQ(graph.ColorOfGroup(3), 0x00FF00u);
    EXPECT_EQ(BuildBarChart(records, {}).ColorOfGroup(1), 0u);
}

TEST(BarRecordsOf, TakesTheMapNameAndTheThreeRates) {
    MapResult result;
    result.mapName = "DM-Asbestos";
    result.lowFps = 10.4;
    result.avgFps = 30.5;
    result.highFps = 80.0;
    const std::vector<BarRecord> bars = BarRecordsOf({result, MapResult()});
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].mapName, "DM-Asbestos");
    EXPECT_DOUBLE_EQ(bars[0].lowFps, 10.4);
    EXPECT_DOUBLE_EQ(bars[0].avgFps, 30.5);
    EXPECT_DOUBLE_EQ(bars[0].highFps, 80.0);
    EXPECT_TRUE(bars[1].mapName.empty());
}

}  // namespace
}  // namespace tarvik
