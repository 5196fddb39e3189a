#include "charts/bar_graph.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace tarvik {
namespace {

std::unique_ptr<CGraphSeries> SeriesOf(std::initializer_list<CGraphDataSet> data) {
    auto series = std::make_unique<CGraphSeries>();
    for (const CGraphDataSet& d : data) {
        series->SetData(d.position, d.value);
    }
    return series;
}

TEST(CGraph, StartsEmptyWithTicksFrom0To100By10) {
    const CGraph graph(0);
    EXPECT_EQ(graph.ChartType(), 0);
    EXPECT_FALSE(graph.TypeGiven());
    EXPECT_TRUE(graph.Vertical());
    EXPECT_EQ(graph.MinTick(), 0);
    EXPECT_EQ(graph.MaxTick(), 100);
    EXPECT_EQ(graph.TickStep(), 10);
    EXPECT_EQ(graph.NumTicks(), 10);
    EXPECT_EQ(graph.GroupCount(), 0);
    EXPECT_EQ(graph.TickFontHeight(), 12);
    EXPECT_EQ(graph.SeriesFontHeight(), 12);
    EXPECT_EQ(graph.LegendFontHeight(), 12);
    EXPECT_EQ(graph.XTickAngle(), 0);
    EXPECT_FALSE(graph.GridLines());
    EXPECT_FALSE(graph.LegendShown());
    EXPECT_EQ(graph.LongestLegendLabel(), 0);
    EXPECT_DOUBLE_EQ(graph.DepthRatio(), 0.05);
    EXPECT_EQ(graph.SeriesCount(), 0);
    EXPECT_TRUE(graph.Title().empty());
    EXPECT_EQ(graph.XAxisLabelLength(), 0);
    EXPECT_EQ(graph.YAxisLabelLength(), 0);

    EXPECT_TRUE(CGraph(20).TypeGiven());
}

TEST(CGraph, KeepsTitleAngleAndAxisLabelsWithTheirLengths) {
    CGraph graph(0);
    graph.SetGraphTitle("UT 2003 Benchmark");
    graph.SetXTickAngle(45);
    graph.SetXAxisLabel("Maps");
    graph.SetYAxisLabel("FPS");
    EXPECT_EQ(graph.Title(), "UT 2003 Benchmark");
    EXPECT_EQ(graph.XTickAngle(), 45);
    EXPECT_EQ(graph.XAxisLabel(), "Maps");
    EXPECT_EQ(graph.XAxisLabelLength(), 4);
    EXPECT_EQ(graph.YAxisLabel(), "FPS");
    EXPECT_EQ(graph.YAxisLabelLength(), 3);
}

TEST(CGraph, CountsOneMoreTickWhenTheStepDoesNotDivideTheSpan) {
    const struct {
        int minimum, maximum, step, ticks;
    } cases[] = {
        {0, 100, 10, 10},  // exact
        {0, 225, 20, 12},  // 11 x 20 = 220 falls short of 225
        {0, 135, 10, 14},
        {0, 45, 5, 9},
        {10, 100, 30, 3},
        {10, 101, 30, 4},
        {0, 0, 5, 0},
        {100, 0, -10, 10},               // a falling axis
        {0, 100, 0, 0},                  // no step: no ticks, and no division by it
        {INT_MIN, INT_MAX, 1, INT_MAX},  // the span does not fit an int; the count is held
    };
    for (const auto& c : cases) {
        CGraph graph(0);
        graph.SetTickLimits(c.minimum, c.maximum, c.step);
        EXPECT_EQ(graph.NumTicks(), c.ticks) << c.minimum << ".." << c.maximum << " by " << c.step;
        EXPECT_EQ(graph.MinTick(), c.minimum);
        EXPECT_EQ(graph.MaxTick(), c.maximum);
        EXPECT_EQ(graph.TickStep(), c.step);
    }
}

TEST(CGraphSeries, GetDataFindsTheFirstValueAtThePositionOrZero) {
    CGraphSeries series;
    series.SetLabel("avgfps");
    series.SetData(2, 40);
    series.SetData(0, 7);
    series.SetData(2, 99);  // a second value at 2 is kept but never found
    EXPECT_EQ(series.Label(), "avgfps");
    EXPECT_EQ(series.Count(), 3);
    EXPECT_EQ(series.GetData(2), 40);
    EXPECT_EQ(series.GetData(0), 7);
    EXPECT_EQ(series.GetData(1), 0);
    EXPECT_EQ(series.GetData(-1), 0);
    EXPECT_EQ(CGraphSeries().GetData(0), 0);
}

TEST(CGraph, GroupCountIsTheLargestSeriesCountWhenAdded) {
    CGraph graph(0);
    graph.AddSeries(SeriesOf({{0, 1}, {1, 2}}));
    EXPECT_EQ(graph.GroupCount(), 2);
    graph.AddSeries(SeriesOf({{0, 1}, {1, 2}, {2, 3}, {3, 4}}));
    EXPECT_EQ(graph.GroupCount(), 4);
    graph.AddSeries(SeriesOf({{0, 1}}));
    EXPECT_EQ(graph.GroupCount(), 4);
    graph.AddSeries(nullptr);
    EXPECT_EQ(graph.SeriesCount(), 3);

    // Data given to a series after it was added do not count.
    auto late = std::make_unique<CGraphSeries>();
    CGraphSeries* kept = late.get();
    graph.AddSeries(std::move(late));
    for (int i = 0; i < 6; ++i) {
        kept->SetData(i, i);
    }
    EXPECT_EQ(graph.GroupCount(), 4);
    EXPECT_EQ(graph.Series()[3]->Count(), 6);
}

TEST(CGraph, GroupColourIsTheEntryAtThatIndexWhateverItsPosition) {
    CGraph graph(0);
    graph.SetColor(5, 0x0000FF);
    graph.SetColor(0, 0x00FF00);
    EXPECT_EQ(graph.ColorOfGroup(0), 0x0000FFu);
    EXPECT_EQ(graph.ColorOfGroup(1), 0x00FF00u);
    EXPECT_EQ(graph.ColorOfGroup(2), 0u);
    EXPECT_EQ(graph.ColorOfGroup(5), 0u);
    EXPECT_EQ(graph.ColorOfGroup(-1), 0u);
    ASSERT_EQ(graph.Colors().size(), 2u);
    EXPECT_EQ(graph.Colors()[0].position, 5);
}

TEST(CGraph, LegendEntriesTurnTheLegendOnAndKeepTheLongestLabel) {
    CGraph graph(0);
    graph.SetLegend(0, "DM-Antalus");
    graph.SetLegend(1, "CTF-Citadel");
    graph.SetLegend(2, "DM-Tokara");
    EXPECT_TRUE(graph.LegendShown());
    EXPECT_EQ(graph.LongestLegendLabel(), 11);
    ASSERT_EQ(graph.Legend().Entries().size(), 3u);
    EXPECT_EQ(graph.Legend().Entries()[1].position, 1);
    EXPECT_EQ(graph.Legend().Entries()[1].label, "CTF-Citadel");

    CGraph marks(3);  // the marks-only type keeps no legend
    marks.SetLegend(0, "DM-Antalus");
    EXPECT_FALSE(marks.LegendShown());
    EXPECT_TRUE(marks.Legend().Entries().empty());
    EXPECT_EQ(marks.LongestLegendLabel(), 0);
}

TEST(CGraph, KnowsItsChartTypesByNumber) {
    for (int type : {0, 1, 2, 3, 4, 20, 21, 30, 31, 32, 320}) {
        EXPECT_TRUE(IsKnownChartType(type)) << type;
    }
    for (int type : {-1, 5, 10, 22, 33, 321, 1000}) {
        EXPECT_FALSE(IsKnownChartType(type)) << type;
    }
}

}  // namespace
}  // namespace tarvik
