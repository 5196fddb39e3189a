#pragma once
// Pixel checks for the Win32 tests: what a window, a DC or a bitmap shows, as a picture whose
// pixels can be read, counted and bounded by colour.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "base/color.h"
#include "base/win32/gdi.h"

namespace tarvik {

class Picture {
  public:
    // Where nothing was painted, a picture taken of a window shows this colour.
    static constexpr DibPixel kUnpainted = 0x55555555u;

    Picture() = default;
    explicit Picture(DibImage image) : image_(std::move(image)) {}

    // What the window paints into its client area when asked to print it, which for an
    // owner-drawn button goes through its parent's WM_DRAWITEM as a real paint does.
    static Picture OfWindow(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return Taken(client.right, client.bottom, [window](HDC dc) {
            SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
    }

    // The area of what a DC holds.
    static Picture OfDc(HDC source, const RECT& area) {
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        return Taken(width, height, [&](HDC dc) {
            BitBlt(dc, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
        });
    }

    static Picture OfBitmap(HBITMAP bitmap) { return Picture(ReadDibPixels(bitmap)); }

    bool Empty() const { return image_.Empty(); }
    int Width() const { return image_.width; }
    int Height() const { return image_.height; }
    DibPixel PixelAt(int x, int y) const { return image_.At(x, y); }
    COLORREF At(int x, int y) const { return ColorOfDibPixel(image_.At(x, y)); }

    int Count(COLORREF color) const { return Count(color, RECT{0, 0, Width(), Height()}); }
    // Within the area, as far as it lies inside the picture.
    int Count(COLORREF color, const RECT& area) const {
        int count = 0;
        for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, Height()); ++y) {
            for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, Width()); ++x) {
                count += At(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    // The smallest rectangle holding every pixel of the colour; empty (left >= right) when
    // there is none.
    RECT BoundsOf(COLORREF color) const {
        RECT bounds{Width(), Height(), 0, 0};
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                if (At(x, y) == color) {
                    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                              std::max<LONG>(bounds.right, x + 1),
                              std::max<LONG>(bounds.bottom, y + 1)};
                }
            }
        }
        return bounds;
    }

  private:
    // Lets draw paint into a 32-bit DIB of that size, first filled with kUnpainted, and reads
    // it back.
    template <typename Draw>
    static Picture Taken(int width, int height, Draw draw) {
        DibImage blank;
        blank.width = width;
        blank.height = height;
        blank.pixels.assign(static_cast<std::size_t>(std::max(width, 0)) *
                                static_cast<std::size_t>(std::max(height, 0)),
                            kUnpainted);
        GdiBitmap bitmap = MakeDibSection(blank);
        MemoryDc dc(CreateCompatibleDC(nullptr));
        if (!bitmap || !dc) {
            return {};
        }
        {
            SelectionGuard selected(dc.Get(), bitmap.Get());
            draw(dc.Get());
            GdiFlush();
        }
        return Picture(ReadDibPixels(bitmap.Get()));
    }

    DibImage image_;
};

}  // namespace tarvik
