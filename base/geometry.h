#pragma once
// Window-free geometry: the rectangles and points that the portable arithmetic (skin shape,
// button placement, chart layout) computes in pixels.

namespace tarvik {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

struct PixelRect {
    int left, top, right, bottom;  // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// The rectangle moved in by dx on the left and right and dy on the top and bottom.
constexpr PixelRect Inset(const PixelRect& rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

}  // namespace tarvik
