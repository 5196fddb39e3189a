#include "charts/bar_results.h"

#include <cmath>
#include <memory>
#include <utility>

namespace tarvik {
namespace {

constexpr double kRateLimit = 1e9;

std::unique_ptr<CGraphSeries> LabelledSeries(const char* label) {
    auto series = std::make_unique<CGraphSeries>();
    series->SetLabel(label);
    return series;
}

}  // namespace

std::vector<BarRecord> BarRecordsOf(const std::vector<MapResult>& records) {
    std::vector<BarRecord> bars;
    bars.reserve(records.size());
    for (const MapResult& record : records) {
        bars.push_back({record.mapName, record.lowFps, record.avgFps, record.highFps});
    }
    return bars;
}

int RoundedRate(double rate) {
    if (std::isnan(rate)) {
        return 0;
    }
    return static_cast<int>(std::fmin(std::fmax(rate, -kRateLimit), kRateLimit) + 0.5);
}

BarAxisScale BarAxisScaleOf(const std::vector<BarRecord>& records) {
    BarAxisScale scale;
    for (const BarRecord& record : records) {
        if (record.highFps > scale.highest) {
            scale.highest = record.highFps;
        }
    }
    scale.rounded = RoundedRate(scale.highest);
    scale.tens = (scale.rounded / 10) * 10;
    scale.yMax = scale.tens + scale.tens / 2;
    scale.step = ((scale.yMax / 10 + 5) / 10) * 10;
    if (scale.step <= 0) {
        scale.step = kSmallAxisStep;
    }
    return scale;
}

CGraph BuildBarChart(const std::vector<BarRecord>& records, const std::vector<ColorValue>& colors) {
    const BarAxisScale scale = BarAxisScaleOf(records);
    CGraph graph(kChartBars);
    graph.SetGraphTitle(kBarChartTitle);
    graph.SetTickLimits(0, scale.yMax, scale.step);
    graph.SetXTickAngle(0);
    graph.SetXAxisLabel(kBarChartXLabel);
    graph.SetYAxisLabel(kBarChartYLabel);

    auto high = LabelledSeries(kHighSeriesLabel);
    auto average = LabelledSeries(kAverageSeriesLabel);
    auto low = LabelledSeries(kLowSeriesLabel);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int position = static_cast<int>(i);
        high->SetData(position, RoundedRate(records[i].highFps));
        average->SetData(position, RoundedRate(records[i].avgFps));
        low->SetData(position, RoundedRate(records[i].lowFps));
    }
    graph.AddSeries(std::move(high));
    graph.AddSeries(std::move(average));
    graph.AddSeries(std::move(low));

    for (std::size_t i = 0; i < records.size(); ++i) {
        graph.SetColor(static_cast<int>(i), colors.empty() ? 0 : colors[i % colors.size()]);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        graph.SetLegend(static_cast<int>(i), records[i].mapName);
    }
    return graph;
}

}  // namespace tarvik
