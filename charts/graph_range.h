#pragma once
// The X and Y ranges the graph panel shows, and how they change: growing to take in a new
// point, the zoom tool's rectangle, panning with the mouse.
#include "base/geometry.h"
#include "charts/value_mapping.h"

namespace tarvik {

// min is the value at the left (X) or bottom (Y) edge; it may be above max.
struct AxisRange {
    double min = 0.0;
    double max = 10.0;
    bool operator==(const AxisRange& other) const { return min == other.min && max == other.max; }
    bool operator!=(const AxisRange& other) const { return !(*this == other); }
};

// Both default to 0.0 to 10.0, what a panel without rulers reads.
struct GraphRange {
    AxisRange x;
    AxisRange y;
    bool operator==(const GraphRange& other) const { return x == other.x && y == other.y; }
    bool operator!=(const GraphRange& other) const { return !(*this == other); }
};

// The panel's mappings: X from the left edge (min) to the right edge (max), Y from the bottom
// edge (min) to the top edge (max).
ValueMapping XMapping(const PixelRect& panel, const AxisRange& x);
ValueMapping YMapping(const PixelRect& panel, const AxisRange& y);

// Moves the lower end (the smaller of min and max) down to a value below it, or the upper end
// up to a value above it; answers whether an end moved.
bool GrowToTakeIn(AxisRange& range, double value);
// Both axes; answers whether any end moved.
bool GrowToTakeIn(GraphRange& range, double x, double y);

// "Apply" of the zoom tool: X from the values at the rectangle's left and right edges, Y from
// those at its bottom and top edges.
GraphRange RangeOfRectangle(const PixelRect& rect, const ValueMapping& x, const ValueMapping& y);

// One step of panning: both ranges shift by the value difference between the previous and the
// current mouse position, so the graph follows the mouse.
GraphRange PannedRange(const GraphRange& range, const ValueMapping& x, const ValueMapping& y,
                       PixelPoint previous, PixelPoint current);

}  // namespace tarvik
