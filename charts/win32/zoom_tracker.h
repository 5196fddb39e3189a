#pragma once
// The zoom tool's rectangle on the graph panel: drawn with a solid border, hatched inside and
// with resize handles inside its corners and sides; dragged inside to move, on a handle to
// resize.
#include <windows.h>

#include "base/geometry.h"

namespace tarvik {

class ZoomTracker {
  public:
    static constexpr PixelRect kInitialRect{10, 10, 50, 50};
    static constexpr PixelRect kZoomToolRect{5, 5, 50, 50};

    const PixelRect& rect() const { return rect_; }
    void SetRect(const PixelRect& rect) { rect_ = rect; }

    // Starts a drag when the point is on the rectangle; answers whether it did.
    bool BeginDrag(PixelPoint at);
    bool dragging() const { return part_ != Part::None; }
    void DragTo(PixelPoint at);
    void EndDrag() { part_ = Part::None; }

    void Draw(HDC dc) const;

  private:
    enum class Part {
        None,
        Move,
        Left,
        Top,
        Right,
        Bottom,
        TopLeft,
        TopRight,
        BottomLeft,
        BottomRight
    };
    Part HitTest(PixelPoint at) const;

    PixelRect rect_ = kInitialRect;
    Part part_ = Part::None;
    PixelPoint last_;
};

}  // namespace tarvik
