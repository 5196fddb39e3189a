#include "charts/new_point_drawing.h"

#include <algorithm>

#include "charts/panel_flags.h"

namespace tarvik {

NewPointPlan PlanNewPoint(const CPointsCollection& points, int position,
                          const NewPointContext& context) {
    NewPointPlan plan;
    plan.range = context.range;
    const int count = points.GetCount();
    if (position < 0 || position >= count) {
        return plan;
    }
    const GraphPoint& point = points.GetPoint(position);
    if ((context.panelFlags & kGrowAxesFlag) != 0 && GrowToTakeIn(plan.range, point.x, point.y)) {
        plan.rangeChanged = true;
        plan.action = context.redraw ? NewPointAction::RedrawPanel : NewPointAction::Nothing;
        return plan;
    }
    if (!context.redraw) {
        return plan;
    }
    if (position != 0 && position != count - 1) {
        plan.action = NewPointAction::RedrawPanel;
        return plan;
    }

    const ValueMapping x = XMapping(context.panel, context.range.x);
    const ValueMapping y = YMapping(context.panel, context.range.y);
    const PixelPoint pixel{x.PixelOf(point.x), y.PixelOf(point.y)};
    const bool marks = (context.panelFlags & kPointMarksFlag) != 0;
    PixelPoint other = pixel;
    if (count == 1) {
        plan.drawMark = marks;
    } else {
        const GraphPoint& neighbour = points.GetPoint(position == 0 ? 1 : count - 2);
        other = {x.PixelOf(neighbour.x), y.PixelOf(neighbour.y)};
        if (!(other == pixel)) {
            plan.drawLine = (context.panelFlags & kScatterFlag) == 0;
            plan.drawMark = marks;
        }
    }
    plan.action = NewPointAction::DrawOnly;
    plan.lineFrom = other;
    plan.lineTo = pixel;
    plan.mark = pixel;
    const int margin = context.markHalfSize + 2;
    plan.copyRect = {std::min(pixel.x, other.x) - margin, std::min(pixel.y, other.y) - margin,
                     std::max(pixel.x, other.x) + margin, std::max(pixel.y, other.y) + margin};
    return plan;
}

}  // namespace tarvik
