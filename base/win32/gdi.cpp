#include "base/win32/gdi.h"

#include <cstring>

namespace tarvik {

BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the top row comes first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP data{};
    if (!bitmap || GetObjectA(bitmap, sizeof(data), &data) == 0) {
        return {0, 0};
    }
    return {data.bmWidth, data.bmHeight};
}

DibImage ReadDibPixels(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    DibImage image;
    image.width = size.cx;
    image.height = size.cy;
    image.pixels.resize(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    BITMAPINFO info = TopDownDibInfo(size.cx, size.cy);
    WindowDc screen(nullptr);
    if (image.pixels.empty() || !screen ||
        GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size.cy), image.pixels.data(), &info,
                  DIB_RGB_COLORS) != size.cy) {
        return {};
    }
    return image;
}

GdiBitmap MakeDibSection(const DibImage& image) {
    if (image.pixels.size() !=
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        return GdiBitmap{};
    }
    BITMAPINFO info = TopDownDibInfo(image.width, image.height);
    void* bits = nullptr;
    GdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        return GdiBitmap{};
    }
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(DibPixel));
    GdiFlush();
    return bitmap;
}

}  // namespace tarvik
