#include "charts/graph_pixels.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

int MarkHalfSize(int verticalPixelsPerInch) {
    return std::max(0, static_cast<int>(std::trunc(verticalPixelsPerInch * 0.02857142857142857)));
}

PixelRect MarkRect(PixelPoint centre, int halfSize) {
    return {centre.x - halfSize, centre.y - halfSize, centre.x + halfSize + 1,
            centre.y + halfSize + 1};
}

std::vector<PixelPoint> GraphPixels(const CPointsCollection& points, const ValueMapping& x,
                                    const ValueMapping& y) {
    std::vector<PixelPoint> pixels;
    for (const GraphPoint& point : points.points()) {
        const PixelPoint pixel{x.PixelOf(point.x), y.PixelOf(point.y)};
        if (pixels.empty() || !(pixel == pixels.back())) {
            pixels.push_back(pixel);
        }
    }
    return pixels;
}

}  // namespace tarvik
