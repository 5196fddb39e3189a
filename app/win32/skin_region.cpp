#include "app/win32/skin_region.h"

#include <algorithm>
#include <vector>

#include "app/skin_shape.h"
#include "base/win32/gdi.h"

namespace tarvik {

namespace {

// A region of up to kRectsPerRegionCall rectangles in one call.
HRGN RegionFromRects(const PixelRect* rects, std::size_t count) {
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        bounds.left = std::min<LONG>(bounds.left, rects[i].left);
        bounds.top = std::min<LONG>(bounds.top, rects[i].top);
        bounds.right = std::max<LONG>(bounds.right, rects[i].right);
        bounds.bottom = std::max<LONG>(bounds.bottom, rects[i].bottom);
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN CreateSkinRegion(HINSTANCE module, int bitmapId) {
    const GdiBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    // Read as 32-bit top-down pixels, so every pixel reads the same way.
    const DibImage picture = ReadDibPixels(bitmap.Get());
    if (picture.Empty()) {
        return nullptr;
    }
    const int width = picture.width;
    const int height = picture.height;

    const std::vector<PixelRect> runs = KeyColourRuns(picture.pixels.data(), width, height);
    GdiRegion region(CreateRectRgn(0, 0, 0, 0));
    for (std::size_t first = 0; first < runs.size(); first += kRectsPerRegionCall) {
        const std::size_t count = std::min(kRectsPerRegionCall, runs.size() - first);
        const GdiRegion part(RegionFromRects(runs.data() + first, count));
        if (part) {
            CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
        }
    }
    // What is left after taking the cut-away runs out of the whole picture.
    const GdiRegion whole(CreateRectRgn(0, 0, width, height));
    CombineRgn(region.Get(), region.Get(), whole.Get(), RGN_XOR);
    return region.Release();
}

}  // namespace tarvik
