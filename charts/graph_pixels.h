#pragma once
// Where a graph lands on the panel: its points as pixels, with points that fall on the pixel
// of the one before left out (long runs draw far fewer segments), and the square marks.
#include <vector>

#include "base/geometry.h"
#include "charts/points_collection.h"
#include "charts/value_mapping.h"

namespace tarvik {

// trunc(vertical pixels per inch x 0.02857142857142857): 2 at 96.
int MarkHalfSize(int verticalPixelsPerInch);
// The filled square of a mark, from (x - h, y - h) to (x + h + 1, y + h + 1).
PixelRect MarkRect(PixelPoint centre, int halfSize);

// The pixels to draw a graph through, in point order: a mark at each (when marks are on) and,
// unless it is a scatter graph, a line from each to the next.
std::vector<PixelPoint> GraphPixels(const CPointsCollection& points, const ValueMapping& x,
                                    const ValueMapping& y);

}  // namespace tarvik
