#pragma once
// The points of one graph of the line graph: kept in the order given or sorted by x, with or
// without several points at one x, and the bounds of all of them.
#include <vector>

namespace tarvik {

struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const GraphPoint& other) const { return x == other.x && y == other.y; }
};

class CPointsCollection {
  public:
    // What the operations answer for a position that cannot be used.
    static constexpr int kNoPosition = -1;

    CPointsCollection(bool sorted, bool keepDuplicates)
        : sorted_(sorted), keepDuplicates_(keepDuplicates) {}

    bool sorted() const { return sorted_; }
    bool keepDuplicates() const { return keepDuplicates_; }

    int GetCount() const { return static_cast<int>(points_.size()); }
    // index must be below GetCount().
    const GraphPoint& GetPoint(int index) const { return points_[static_cast<std::size_t>(index)]; }
    const std::vector<GraphPoint>& points() const { return points_; }

    // All 0.0 while the collection is empty.
    double maxX() const { return maxX_; }
    double maxY() const { return maxY_; }
    double minX() const { return minX_; }
    double minY() const { return minY_; }

    // Position -1, a position equal to the count, or any position in a sorted collection:
    // inserts by value. Otherwise inserts at the position, or answers -1 when it is outside
    // 0..count. Answers the point's position; a point with a coordinate that is not a finite
    // number is refused with -1. redraw is the caller's redraw flag: with it, a point that
    // replaces another at the same x recomputes the bounds.
    int AddPoint(double x, double y, bool redraw, int position = kNoPosition);

    // Removes the point and inserts the new one (by value when sorted, else at the same
    // place); answers the new position, -1 for an index out of range or a point refused.
    int EditPoint(int index, double x, double y, bool redraw);

    // Answers the index, -1 when out of range. The bounds are recomputed.
    int RemovePoint(int index);

    // No points and zero bounds.
    void Clear();

  private:
    int InsertByValue(GraphPoint point, bool redraw);
    int InsertAt(int position, GraphPoint point);
    void Widen(GraphPoint point);
    void TakeIn(GraphPoint point);
    void RecomputeBounds();

    bool sorted_;
    bool keepDuplicates_;
    std::vector<GraphPoint> points_;
    double maxX_ = 0.0;
    double maxY_ = 0.0;
    double minX_ = 0.0;
    double minY_ = 0.0;
};

}  // namespace tarvik
