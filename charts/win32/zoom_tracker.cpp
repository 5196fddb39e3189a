#include "charts/win32/zoom_tracker.h"

#include <algorithm>

#include "base/win32/gdi.h"

namespace tarvik {

namespace {
constexpr int kHandle = 6;

bool Inside(const PixelRect& rect, PixelPoint at) {
    return at.x >= rect.left && at.x < rect.right && at.y >= rect.top && at.y < rect.bottom;
}

PixelRect Normalized(PixelRect rect) {
    if (rect.left > rect.right) {
        std::swap(rect.left, rect.right);
    }
    if (rect.top > rect.bottom) {
        std::swap(rect.top, rect.bottom);
    }
    return rect;
}
}  // namespace

ZoomTracker::Part ZoomTracker::HitTest(PixelPoint at) const {
    if (!Inside(rect_, at)) {
        return Part::None;
    }
    const bool left = at.x < rect_.left + kHandle;
    const bool right = at.x >= rect_.right - kHandle;
    const bool top = at.y < rect_.top + kHandle;
    const bool bottom = at.y >= rect_.bottom - kHandle;
    if (top && left)
        return Part::TopLeft;
    if (top && right)
        return Part::TopRight;
    if (bottom && left)
        return Part::BottomLeft;
    if (bottom && right)
        return Part::BottomRight;
    if (left)
        return Part::Left;
    if (right)
        return Part::Right;
    if (top)
        return Part::Top;
    if (bottom)
        return Part::Bottom;
    return Part::Move;
}

bool ZoomTracker::BeginDrag(PixelPoint at) {
    part_ = HitTest(at);
    last_ = at;
    return part_ != Part::None;
}

void ZoomTracker::DragTo(PixelPoint at) {
    const int dx = at.x - last_.x;
    const int dy = at.y - last_.y;
    last_ = at;
    const bool moves = part_ == Part::Move;
    const bool left =
        moves || part_ == Part::Left || part_ == Part::TopLeft || part_ == Part::BottomLeft;
    const bool right =
        moves || part_ == Part::Right || part_ == Part::TopRight || part_ == Part::BottomRight;
    const bool top =
        moves || part_ == Part::Top || part_ == Part::TopLeft || part_ == Part::TopRight;
    const bool bottom =
        moves || part_ == Part::Bottom || part_ == Part::BottomLeft || part_ == Part::BottomRight;
    rect_.left += left ? dx : 0;
    rect_.right += right ? dx : 0;
    rect_.top += top ? dy : 0;
    rect_.bottom += bottom ? dy : 0;
    rect_ = Normalized(rect_);
}

void ZoomTracker::Draw(HDC dc) const {
    SavedDcState saved(dc);
    GdiBrush hatch(CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const RECT inside{rect_.left, rect_.top, rect_.right, rect_.bottom};
    FillRect(dc, &inside, hatch.Get());
    FrameRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int w = std::min(kHandle, std::max(1, rect_.Width() / 3));
    const int h = std::min(kHandle, std::max(1, rect_.Height() / 3));
    const int midX = (rect_.left + rect_.right - w) / 2;
    const int midY = (rect_.top + rect_.bottom - h) / 2;
    const POINT corners[] = {{rect_.left, rect_.top},      {midX, rect_.top},
                             {rect_.right - w, rect_.top}, {rect_.left, midY},
                             {rect_.right - w, midY},      {rect_.left, rect_.bottom - h},
                             {midX, rect_.bottom - h},     {rect_.right - w, rect_.bottom - h}};
    for (const POINT& corner : corners) {
        const RECT handle{corner.x, corner.y, corner.x + w, corner.y + h};
        FillRect(dc, &handle, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

}  // namespace tarvik
