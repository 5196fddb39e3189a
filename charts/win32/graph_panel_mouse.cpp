// The panel under the mouse: the coordinates tooltip, panning with Shift, the rubber band, the
// zoom tool's tracker and the chained context menu.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/format.h"
#include "base/win32/tooltip.h"
#include "charts/graph_pixels.h"
#include "charts/win32/graph_panel.h"

namespace tarvik {

namespace {
constexpr int kMovesPerTooltipUpdate = 4;

TOOLINFOA ToolOf(HWND window, const char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = const_cast<char*>(text);
    return tool;
}
}  // namespace

bool CGraphPanel::OnCreate() {
    JoinGraphChain(Handle(), this);
    {
        WindowDc screen(Handle());
        markHalf_ = MarkHalfSize(screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96);
    }
    tooltip_ = CreateTooltipWindow(Handle());
    if (tooltip_) {
        TOOLINFOA tool = ToolOf(Handle(), "");
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageA(tooltip_, TTM_ACTIVATE, FALSE, 0);
    }
    return true;
}

void CGraphPanel::ShowCoordinates(int x, int y) {
    const PixelRect panel = ClientPixels();
    const GraphRange range = Range();
    coordinates_ = Format(
        "x=%s, y=%s", graphs_.FormatAxisOutput(XMapping(panel, range.x).ValueOf(x), 1, 1).c_str(),
        graphs_.FormatAxisOutput(YMapping(panel, range.y).ValueOf(y), 0, 1).c_str());
    if (!tooltip_) {
        return;
    }
    const bool on = (flags_ & kTraceMouseFlag) != 0;
    SendMessageA(tooltip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
    TOOLINFOA tool = ToolOf(Handle(), coordinates_.c_str());
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CGraphPanel::OnMouseMove(int x, int y, WPARAM) {
    if (++moves_ % kMovesPerTooltipUpdate == 0) {
        ShowCoordinates(x, y);
    }
    const PixelPoint at{x, y};
    if (panning_) {
        const PixelRect panel = ClientPixels();
        const GraphRange range = Range();
        SetRange(
            PannedRange(range, XMapping(panel, range.x), YMapping(panel, range.y), lastMouse_, at),
            true);
        lastMouse_ = at;
        UpdateWindow(Handle());
    } else if (tracker_.dragging()) {
        tracker_.DragTo(at);
        Invalidate();
    } else if (rubberBand_) {
        band_.right = x;
        band_.bottom = y;
        Invalidate();
    }
}

void CGraphPanel::OnButtonDown(MouseButton button, int x, int y, WPARAM keys) {
    if (button != MouseButton::kLeft) {
        return;
    }
    const PixelPoint at{x, y};
    if (keys & MK_SHIFT) {
        panning_ = true;
        lastMouse_ = at;
    } else if (zoomOn_) {
        if (!tracker_.BeginDrag(at)) {
            return;
        }
    } else {
        rubberBand_ = true;
        band_ = {x, y, x, y};
    }
    SetCapture(Handle());
}

void CGraphPanel::OnButtonUp(MouseButton button, int, int, WPARAM) {
    if (button != MouseButton::kLeft) {
        return;
    }
    if (rubberBand_) {
        rubberBand_ = false;
        const PixelRect band{std::min(band_.left, band_.right), std::min(band_.top, band_.bottom),
                             std::max(band_.left, band_.right), std::max(band_.top, band_.bottom)};
        // A click is no rectangle; a drawn one becomes the zoom tool's, ready to apply.
        if (band.Width() > 1 && band.Height() > 1) {
            tracker_.SetRect(band);
            zoomOn_ = true;
        }
        Invalidate();
    }
    panning_ = false;
    tracker_.EndDrag();
    if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
}

void CGraphPanel::OnCaptureLost() {
    panning_ = false;
    rubberBand_ = false;
    tracker_.EndDrag();
}

bool CGraphPanel::OnContextMenu(HWND, POINT screen) {
    OwnedMenu menu = BuildChainMenu(Handle());
    if (!menu) {
        return true;
    }
    if (screen.x == -1 && screen.y == -1) {
        POINT corner{0, 0};
        ClientToScreen(Handle(), &corner);
        screen = corner;
    }
    const int chosen = static_cast<int>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                       screen.x, screen.y, 0, Handle(), nullptr));
    if (chosen != 0) {
        PassChainCommand(Handle(), chosen);
    }
    return true;
}

}  // namespace tarvik
