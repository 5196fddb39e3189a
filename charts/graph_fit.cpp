#include "charts/graph_fit.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace tarvik {

void VisibleBounds::Add(const CPointsCollection& points, bool visible) {
    if (!visible || points.GetCount() == 0) {
        return;
    }
    if (!box_) {
        box_ = ValueBox{points.minX(), points.maxX(), points.minY(), points.maxY()};
        return;
    }
    box_->minX = std::min(box_->minX, points.minX());
    box_->maxX = std::max(box_->maxX, points.maxX());
    box_->minY = std::min(box_->minY, points.minY());
    box_->maxY = std::max(box_->maxY, points.maxY());
}

AxisRange FittedAxis(double min, double max) {
    if (min != max) {
        return {min, max};
    }
    double margin = std::fabs(min) / 10;
    if (margin < DBL_MIN) {
        margin = 1.0;  // zero, or so small that a tenth of it is lost
    }
    // Near the largest doubles one side would overflow: that end stays at the value.
    const double low = min - margin;
    const double high = min + margin;
    return {std::isfinite(low) ? low : min, std::isfinite(high) ? high : min};
}

GraphRange FittedRange(FitKind kind, const GraphRange& current, const ValueBox& box) {
    GraphRange range = current;
    if (kind != FitKind::Height) {
        range.x = FittedAxis(box.minX, box.maxX);
    }
    if (kind != FitKind::Width) {
        range.y = FittedAxis(box.minY, box.maxY);
    }
    return range;
}

}  // namespace tarvik
