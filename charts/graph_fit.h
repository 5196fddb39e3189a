#pragma once
// "Fit...": the box around the points of every visible graph, and the ranges that show it
// across the width, the height or the whole page.
#include <optional>

#include "charts/graph_range.h"
#include "charts/points_collection.h"

namespace tarvik {

struct ValueBox {
    double minX = 0.0;
    double maxX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
};

// Add every graph; hidden ones and those without points count for nothing.
class VisibleBounds {
  public:
    void Add(const CPointsCollection& points, bool visible);
    // Nothing until a visible graph with points was added.
    const std::optional<ValueBox>& box() const { return box_; }

  private:
    std::optional<ValueBox> box_;
};

enum class FitKind { Width, Height, Page };

// min..max, or when both are one value a range a tenth of it to either side (1 for zero).
AxisRange FittedAxis(double min, double max);

// Width fits X and keeps Y, Height fits Y and keeps X, Page fits both.
GraphRange FittedRange(FitKind kind, const GraphRange& current, const ValueBox& box);

}  // namespace tarvik
