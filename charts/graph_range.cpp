#include "charts/graph_range.h"

#include <algorithm>

namespace tarvik {

ValueMapping XMapping(const PixelRect& panel, const AxisRange& x) {
    return ValueMapping(panel.left, panel.right, x.min, x.max);
}

ValueMapping YMapping(const PixelRect& panel, const AxisRange& y) {
    return ValueMapping(panel.bottom, panel.top, y.min, y.max);
}

bool GrowToTakeIn(AxisRange& range, double value) {
    const bool ascending = range.min <= range.max;
    if (value < std::min(range.min, range.max)) {
        (ascending ? range.min : range.max) = value;
        return true;
    }
    if (value > std::max(range.min, range.max)) {
        (ascending ? range.max : range.min) = value;
        return true;
    }
    return false;
}

bool GrowToTakeIn(GraphRange& range, double x, double y) {
    const bool xMoved = GrowToTakeIn(range.x, x);
    const bool yMoved = GrowToTakeIn(range.y, y);
    return xMoved || yMoved;
}

GraphRange RangeOfRectangle(const PixelRect& rect, const ValueMapping& x, const ValueMapping& y) {
    return {{x.ValueOf(rect.left), x.ValueOf(rect.right)},
            {y.ValueOf(rect.bottom), y.ValueOf(rect.top)}};
}

GraphRange PannedRange(const GraphRange& range, const ValueMapping& x, const ValueMapping& y,
                       PixelPoint previous, PixelPoint current) {
    const double dx = x.ValueOf(previous.x) - x.ValueOf(current.x);
    const double dy = y.ValueOf(previous.y) - y.ValueOf(current.y);
    return {{range.x.min + dx, range.x.max + dx}, {range.y.min + dy, range.y.max + dy}};
}

}  // namespace tarvik
