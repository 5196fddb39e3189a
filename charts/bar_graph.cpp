#include "charts/bar_graph.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace tarvik {

bool IsKnownChartType(int chartType) {
    static constexpr int kKnown[] = {0, 1, 2, 3, 4, 20, 21, 30, 31, 32, 320};
    return std::find(std::begin(kKnown), std::end(kKnown), chartType) != std::end(kKnown);
}

int CGraphSeries::GetData(int position) const {
    for (const CGraphDataSet& data : dataSets_) {
        if (data.position == position) {
            return data.value;
        }
    }
    return 0;
}

void CGraphLegend::Add(int position, std::string label) {
    longestLabel_ = std::max(longestLabel_, static_cast<int>(label.size()));
    entries_.push_back({position, std::move(label)});
}

CGraph::CGraph(int chartType) : chartType_(chartType) {}

void CGraph::SetTickLimits(int minimum, int maximum, int step) {
    minTick_ = minimum;
    maxTick_ = maximum;
    tickStep_ = step;
    if (step == 0) {
        numTicks_ = 0;  // no step, no ticks: nothing to divide by
        return;
    }
    // In 64 bits: the span of two ints does not fit in one.
    const long long span = static_cast<long long>(maximum) - minimum;
    long long ticks = span / step;
    if (span % step != 0) {
        ++ticks;
    }
    numTicks_ = static_cast<int>(std::clamp<long long>(ticks, INT_MIN, INT_MAX));
}

void CGraph::AddSeries(std::unique_ptr<CGraphSeries> series) {
    if (!series) {
        return;
    }
    groupCount_ = std::max(groupCount_, series->Count());
    series_.push_back(std::move(series));
}

void CGraph::SetLegend(int position, std::string label) {
    if (chartType_ == 3) {
        return;
    }
    legend_.Add(position, std::move(label));
    legendShown_ = true;
}

ColorValue CGraph::ColorOfGroup(int group) const {
    if (group < 0 || group >= static_cast<int>(colors_.size())) {
        return 0;
    }
    return colors_[static_cast<std::size_t>(group)].color;
}

}  // namespace tarvik
