#pragma once
// What the panel does when a point is added: grow the ranges, render everything again, or
// draw just the new segment and mark into the off-screen bitmap and copy that part to the
// screen, so most new points cost one segment rather than a full render.
#include "base/geometry.h"
#include "charts/graph_range.h"
#include "charts/points_collection.h"

namespace tarvik {

enum class NewPointAction {
    Nothing,
    RedrawPanel,  // render the whole panel again
    DrawOnly,     // draw what the plan says (when the off-screen bitmap exists), copy copyRect
};

struct NewPointPlan {
    NewPointAction action = NewPointAction::Nothing;
    // With the grow flag: the range to set (without redraw) when rangeChanged.
    bool rangeChanged = false;
    GraphRange range;
    bool drawLine = false;
    PixelPoint lineFrom;  // the neighbour
    PixelPoint lineTo;    // the new point
    bool drawMark = false;
    PixelPoint mark;
    PixelRect copyRect{0, 0, 0, 0};
};

struct NewPointContext {
    int panelFlags = 0;
    bool redraw = false;  // the event's redraw flag
    GraphRange range;     // the panel's current range
    PixelRect panel{0, 0, 0, 0};
    int markHalfSize = 0;
};

// The plan for the point at `position` of `points`, just added. A position outside the
// points plans nothing.
NewPointPlan PlanNewPoint(const CPointsCollection& points, int position,
                          const NewPointContext& context);

}  // namespace tarvik
