#pragma once
// The bar chart of the loaded results as the "Benchmark Graph Results" dialog builds it: one
// series each for the high, average and low frame rate, one group (bar, colour and legend
// entry) per record.
#include <string>
#include <vector>

#include "base/color.h"
#include "charts/bar_graph.h"
#include "results/map_result.h"

namespace tarvik {

constexpr const char* kBarChartTitle = "UT 2003 Benchmark";
constexpr const char* kBarChartXLabel = "Maps";
constexpr const char* kBarChartYLabel = "FPS";
constexpr const char* kHighSeriesLabel = "highfps";
constexpr const char* kAverageSeriesLabel = "avgfps";
constexpr const char* kLowSeriesLabel = "lowfps";

// What the chart takes from one record.
struct BarRecord {
    std::string mapName;
    double lowFps = 0.0;
    double avgFps = 0.0;
    double highFps = 0.0;
};

std::vector<BarRecord> BarRecordsOf(const std::vector<MapResult>& records);

// A rate as the chart shows it: the truncation of rate + 0.5. Rates beyond a billion frames a
// second are held there and a rate that is not a number reads 0, so the int cannot overflow.
int RoundedRate(double rate);

// Below a Y maximum of 50 the step formula gives 0, which the tick count would divide by;
// this step then gives 3, 6 or 9 ticks with round labels.
constexpr int kSmallAxisStep = 5;

// The Y axis: the highest high rate (0 without records), that rounded, cut to tens, half as
// much again on top, and a step of about a tenth of that in tens.
struct BarAxisScale {
    double highest = 0.0;
    int rounded = 0;
    int tens = 0;
    int yMax = 0;
    int step = 0;
};

BarAxisScale BarAxisScaleOf(const std::vector<BarRecord>& records);

// Record i is group i, in colors[i] (the colours repeat past the end of the list; no colours
// at all reads 0).
CGraph BuildBarChart(const std::vector<BarRecord>& records, const std::vector<ColorValue>& colors);

}  // namespace tarvik
