#include "charts/points_collection.h"

#include <cmath>
#include <cstddef>

namespace tarvik {

int CPointsCollection::AddPoint(double x, double y, bool redraw, int position) {
    // A NaN would break the sorted order and every bound; an infinity every mapping to pixels.
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return kNoPosition;
    }
    const int count = GetCount();
    if (position == kNoPosition || position == count || sorted_) {
        return InsertByValue({x, y}, redraw);
    }
    if (position < 0 || position > count) {
        return kNoPosition;
    }
    Widen({x, y});
    return InsertAt(position, {x, y});
}

int CPointsCollection::EditPoint(int index, double x, double y, bool redraw) {
    if (index < 0 || index >= GetCount() || !std::isfinite(x) || !std::isfinite(y)) {
        return kNoPosition;
    }
    RemovePoint(index);
    return AddPoint(x, y, redraw, sorted_ ? kNoPosition : index);
}

int CPointsCollection::RemovePoint(int index) {
    if (index < 0 || index >= GetCount()) {
        return kNoPosition;
    }
    points_.erase(points_.begin() + index);
    RecomputeBounds();
    return index;
}

void CPointsCollection::Clear() {
    points_.clear();
    RecomputeBounds();
}

int CPointsCollection::InsertByValue(GraphPoint point, bool redraw) {
    Widen(point);
    const int count = GetCount();
    if (!sorted_ || count == 0 || point.x > points_.back().x) {
        points_.push_back(point);
        return count;
    }
    if (point.x < points_.front().x) {
        return InsertAt(0, point);
    }
    for (int i = 0; i < count; ++i) {
        const double x = points_[static_cast<std::size_t>(i)].x;
        if (x == point.x) {
            if (keepDuplicates_) {
                return InsertAt(i, point);
            }
            // The bounds were only widened; what the replaced point alone held stays until a
            // recompute.
            points_[static_cast<std::size_t>(i)] = point;
            if (redraw) {
                RecomputeBounds();
            }
            return i;
        }
        if (x > point.x) {
            return InsertAt(i, point);
        }
    }
    points_.push_back(point);  // not reached while the points stay sorted
    return count;
}

int CPointsCollection::InsertAt(int position, GraphPoint point) {
    points_.insert(points_.begin() + position, point);
    return position;
}

// Called before the point goes in: the first point of an empty collection is its bounds.
void CPointsCollection::Widen(GraphPoint point) {
    if (points_.empty()) {
        maxX_ = minX_ = point.x;
        maxY_ = minY_ = point.y;
    } else {
        TakeIn(point);
    }
}

void CPointsCollection::TakeIn(GraphPoint point) {
    maxX_ = std::fmax(maxX_, point.x);
    maxY_ = std::fmax(maxY_, point.y);
    minX_ = std::fmin(minX_, point.x);
    minY_ = std::fmin(minY_, point.y);
}

void CPointsCollection::RecomputeBounds() {
    maxX_ = maxY_ = minX_ = minY_ = 0.0;
    if (points_.empty()) {
        return;
    }
    maxX_ = minX_ = points_.front().x;
    maxY_ = minY_ = points_.front().y;
    for (const GraphPoint& point : points_) {
        TakeIn(point);
    }
}

}  // namespace tarvik
