#include "charts/win32/bar_chart_area.h"

#include <commctrl.h>

#include <cstddef>

#include "charts/win32/bar_painter.h"

namespace tarvik {
namespace {

constexpr UINT_PTR kSubclassId = 0x4241;  // "BA"

}  // namespace

bool BarChartArea::Bind(HWND control) {
    if (control_ || !control) {
        return false;
    }
    if (!SetWindowSubclass(control, AreaProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    control_ = control;
    return true;
}

void BarChartArea::Unbind() {
    if (control_) {
        RemoveWindowSubclass(control_, AreaProc, kSubclassId);
    }
    Forget();
}

void BarChartArea::Forget() {
    control_ = nullptr;
    picture_.Reset();
    size_ = {0, 0};
}

const BarGraphLayout& BarChartArea::Redraw(const CGraph& graph) {
    if (!control_) {
        return layout_;
    }
    RECT client{};
    GetClientRect(control_, &client);
    const WindowDc screen(control_);
    MemoryDc canvas(CreateCompatibleDC(screen.Get()));
    if (client.right != size_.cx || client.bottom != size_.cy || !picture_) {
        DibImage blank;
        blank.width = client.right;
        blank.height = client.bottom;
        blank.pixels.assign(
            static_cast<std::size_t>(blank.width) * static_cast<std::size_t>(blank.height),
            DibPixelOf(kColorWhite));
        picture_ = MakeDibSection(blank);
        size_ = {client.right, client.bottom};
    }
    if (!canvas || !picture_) {
        // Without memory for the picture the chart goes straight onto the screen.
        layout_ = LayOutBarGraphOn(screen.Get(), graph, client.right, client.bottom);
        PaintBarGraph(screen.Get(), layout_);
        return layout_;
    }
    {
        const SelectionGuard selected(canvas.Get(), picture_.Get());
        layout_ = LayOutBarGraphOn(canvas.Get(), graph, client.right, client.bottom);
        PaintBarGraph(canvas.Get(), layout_);
        GdiFlush();
    }
    CopyPicture(screen.Get());
    return layout_;
}

DibImage BarChartArea::Picture() const {
    return picture_ ? ReadDibPixels(picture_.Get()) : DibImage{};
}

bool BarChartArea::CopyPicture(HDC target) const {
    if (!picture_ || !target) {
        return false;
    }
    MemoryDc canvas(CreateCompatibleDC(target));
    if (!canvas) {
        return false;
    }
    const SelectionGuard selected(canvas.Get(), picture_.Get());
    return BitBlt(target, 0, 0, size_.cx, size_.cy, canvas.Get(), 0, 0, SRCCOPY) != FALSE;
}

LRESULT CALLBACK BarChartArea::AreaProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    auto* area = reinterpret_cast<BarChartArea*>(self);
    switch (message) {
        case WM_ERASEBKGND:
            // The picture covers the whole client area: erasing first would flash white.
            if (area->picture_) {
                return TRUE;
            }
            break;
        case WM_PAINT:
            if (area->picture_) {
                const PaintDc paint(hwnd);
                area->CopyPicture(paint.Get());
                return 0;
            }
            break;
        case WM_PRINTCLIENT:
            if (area->CopyPicture(reinterpret_cast<HDC>(wParam))) {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            // The control goes before the dialog's object.
            RemoveWindowSubclass(hwnd, AreaProc, kSubclassId);
            area->Forget();
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace tarvik
