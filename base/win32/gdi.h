#pragma once
// RAII for GDI: objects, device contexts, selections, icons, an off-screen canvas for
// flicker-free painting, and the pixels of 32-bit top-down DIBs.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "base/color.h"
#include "base/win32/handles.h"

namespace tarvik {

// Pens, brushes, fonts, bitmaps, regions: DeleteObject when they go.
template <typename Object>
struct GdiObjectTraits {
    using Handle = Object;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle object) { ::DeleteObject(object); }
};
using GdiBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using GdiBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using GdiPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using GdiFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using GdiRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

// Icons and cursors made by LoadImage (without LR_SHARED), CreateIconIndirect or CopyIcon.
struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle icon) { ::DestroyIcon(icon); }
};
using OwnedIcon = UniqueHandle<IconTraits>;

// CreateCompatibleDC.
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle dc) { ::DeleteDC(dc); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// GetDC / ReleaseDC. A null window gives the screen.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) {
            ::ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint, for WM_PAINT.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { ::EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when it goes, so the object can
// be deleted safely afterwards.
class SelectionGuard {
  public:
    SelectionGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;
    ~SelectionGuard() {
        if (previous_ && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC around drawing that changes colours, modes or the clip region.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() {
        if (saved_ != 0) {
            ::RestoreDC(dc_, saved_);
        }
    }

  private:
    HDC dc_;
    int saved_;
};

// A memory DC with a bitmap compatible with a target DC: draw into Dc(), then CopyTo() the
// target in one blit. Check the bool first; without memory, draw straight to the target.
class MemoryCanvas {
  public:
    MemoryCanvas(HDC target, int width, int height)
        : dc_(::CreateCompatibleDC(target)),
          bitmap_(width > 0 && height > 0 ? ::CreateCompatibleBitmap(target, width, height)
                                          : nullptr),
          width_(width),
          height_(height) {
        if (dc_ && bitmap_) {
            previous_ = ::SelectObject(dc_.Get(), bitmap_.Get());
        }
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() {
        // The bitmap cannot be deleted while it is selected.
        if (previous_) {
            ::SelectObject(dc_.Get(), previous_);
        }
    }

    explicit operator bool() const { return previous_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    void CopyTo(HDC target, int x, int y) const {
        ::BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
    }

  private:
    MemoryDc dc_;
    GdiBitmap bitmap_;
    int width_;
    int height_;
    HGDIOBJ previous_ = nullptr;
};

// A picture as 32-bit top-down pixels, row after row from the top: the one layout in which
// the program reads and writes pixels, whatever format the bitmap itself has.
struct DibImage {
    int width = 0;
    int height = 0;
    std::vector<DibPixel> pixels;

    bool Empty() const { return pixels.empty(); }
    DibPixel At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The header of a 32-bit top-down DIB of that size.
BITMAPINFO TopDownDibInfo(int width, int height);

// The bitmap's width and height; zero for no bitmap.
SIZE BitmapSize(HBITMAP bitmap);

// The bitmap's pixels; empty when they cannot be read. The bitmap must not be selected into a
// DC just then.
DibImage ReadDibPixels(HBITMAP bitmap);

// A DIB section holding the image's pixels; null when it cannot be made.
GdiBitmap MakeDibSection(const DibImage& image);

}  // namespace tarvik
