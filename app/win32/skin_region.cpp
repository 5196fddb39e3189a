#include "app/win32/skin_region.h"

#include <algorithm>
#include <vector>

#include "app/skin_shape.h"

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
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return nullptr;
    }
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    const int width = info.bmWidth;
    const int height = info.bmHeight;

    // Copy the picture into a 32-bit top-down image so every pixel reads the same way.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    const int rows =
        screen ? GetDIBits(screen, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    DeleteObject(bitmap);
    if (rows != height) {
        return nullptr;
    }

    const std::vector<PixelRect> runs = KeyColourRuns(pixels.data(), width, height);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (std::size_t first = 0; first < runs.size(); first += kRectsPerRegionCall) {
        const std::size_t count = std::min(kRectsPerRegionCall, runs.size() - first);
        if (HRGN part = RegionFromRects(runs.data() + first, count)) {
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
    }
    // What is left after taking the cut-away runs out of the whole picture.
    HRGN whole = CreateRectRgn(0, 0, width, height);
    CombineRgn(region, region, whole, RGN_XOR);
    DeleteObject(whole);
    return region;
}

}  // namespace tarvik
