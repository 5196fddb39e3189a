// The panel's pictures: the full render into the off-screen bitmap, the incremental drawing of
// a new point, and the copy to the screen.
#include <algorithm>

#include "charts/graph_pixels.h"
#include "charts/new_point_drawing.h"
#include "charts/win32/graph_panel.h"

namespace tarvik {

namespace {
void DrawMark(HDC dc, PixelPoint centre, int half) {
    const PixelRect mark = MarkRect(centre, half);
    Rectangle(dc, mark.left, mark.top, mark.right, mark.bottom);
}
}  // namespace

PixelRect CGraphPanel::ClientPixels() const {
    RECT client{};
    if (Handle()) {
        GetClientRect(Handle(), &client);
    }
    return {0, 0, client.right, client.bottom};
}

int CGraphPanel::MarkHalf() const {
    return markHalf_;
}

void CGraphPanel::OnSize(int width, int height) {
    if (previousBitmap_) {
        SelectObject(bitmapDc_.Get(), previousBitmap_);
        previousBitmap_ = nullptr;
    }
    bitmap_.Reset();
    bitmapSize_ = {0, 0};
    bitmapValid_ = false;
    if (width <= 0 || height <= 0) {
        return;
    }
    if (!bitmapDc_) {
        bitmapDc_.Reset(CreateCompatibleDC(nullptr));
    }
    // 16 bits per pixel: half the memory and copying of a true-colour bitmap, and the graph
    // colours survive it.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_ && bitmapDc_) {
        previousBitmap_ = SelectObject(bitmapDc_.Get(), bitmap_.Get());
        bitmapSize_ = {width, height};
    }
    Redraw();
}

void CGraphPanel::Redraw() {
    Render();
    if (Handle()) {
        Invalidate();
    }
}

void CGraphPanel::Render() {
    if (!previousBitmap_) {
        return;
    }
    HDC dc = bitmapDc_.Get();
    const PixelRect panel{0, 0, bitmapSize_.cx, bitmapSize_.cy};
    const RECT grown{-1, -1, panel.right + 1, panel.bottom + 1};
    FillRect(dc, &grown, background_.Get());
    const GraphRange range = Range();
    const ValueMapping x = XMapping(panel, range.x);
    const ValueMapping y = YMapping(panel, range.y);
    const bool marks = (flags_ & kPointMarksFlag) != 0;
    const bool lines = (flags_ & kScatterFlag) == 0;
    const int half = MarkHalf();
    int position = -1;
    for (const CGraphProps* graph = graphs_.GetFirstGraph(position); graph;
         graph = graphs_.GetNextGraph(position)) {
        if (!graph->visible() || graph->GetCount() == 0) {
            continue;
        }
        CGraphProps::Selected selected(*graph, dc);
        const std::vector<PixelPoint> pixels = GraphPixels(*graph, x, y);
        if (lines && pixels.size() > 1) {
            // PixelPoint is laid out as POINT: two ints.
            std::vector<POINT> points(pixels.size());
            std::transform(pixels.begin(), pixels.end(), points.begin(), [](PixelPoint p) {
                return POINT{p.x, p.y};
            });
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
        if (marks) {
            for (const PixelPoint& pixel : pixels) {
                DrawMark(dc, pixel, half);
            }
        }
    }
    if (flags_ & kGridFlag) {
        DrawGrid(dc, panel);
    }
    bitmapValid_ = true;
    ++renders_;
}

void CGraphPanel::DrawGrid(HDC dc, const PixelRect& area) const {
    GdiPen dotted(CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
    SelectionGuard pen(dc, dotted.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (horizontal_) {
        for (const Tick& tick : horizontal_->PanelTicks(dc, area.right).ticks) {
            MoveToEx(dc, tick.pixel, area.top, nullptr);
            LineTo(dc, tick.pixel, area.bottom);
        }
    }
    if (vertical_) {
        for (const Tick& tick : vertical_->PanelTicks(dc, area.bottom).ticks) {
            MoveToEx(dc, area.left, tick.pixel, nullptr);
            LineTo(dc, area.right, tick.pixel);
        }
    }
    SetBkMode(dc, oldMode);
}

void CGraphPanel::DrawNewPoint(const GraphEvent& event) {
    const CGraphProps* graph = graphs_.GetGraph(event.graph);
    if (!graph) {
        return;
    }
    NewPointContext context;
    context.panelFlags = flags_;
    context.redraw = event.redraw;
    context.range = Range();
    context.panel = ClientPixels();
    context.markHalfSize = MarkHalf();
    const NewPointPlan plan = PlanNewPoint(*graph, event.point, context);
    if (plan.rangeChanged) {
        // With redraw the rulers show the grown range too, not only the panel.
        SetRange(plan.range, plan.action == NewPointAction::RedrawPanel);
        return;
    }
    if (plan.action == NewPointAction::RedrawPanel) {
        Redraw();
        return;
    }
    if (plan.action != NewPointAction::DrawOnly || !previousBitmap_) {
        return;
    }
    if (!bitmapValid_) {
        Redraw();
        return;
    }
    HDC dc = bitmapDc_.Get();
    {
        CGraphProps::Selected selected(*graph, dc);
        if (plan.drawLine) {
            MoveToEx(dc, plan.lineFrom.x, plan.lineFrom.y, nullptr);
            LineTo(dc, plan.lineTo.x, plan.lineTo.y);
        }
        if (plan.drawMark) {
            DrawMark(dc, plan.mark, context.markHalfSize);
        }
    }
    if (Handle() && IsWindowVisible(Handle())) {
        WindowDc screen(Handle());
        const PixelRect& r = plan.copyRect;
        BitBlt(screen.Get(), r.left, r.top, r.Width(), r.Height(), dc, r.left, r.top, SRCCOPY);
    }
}

void CGraphPanel::OnPaint(HDC dc, const RECT& dirty) {
    if (!previousBitmap_) {
        FillRect(dc, &dirty, background_.Get());
        return;
    }
    if (!bitmapValid_) {
        Render();
    }
    BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           bitmapDc_.Get(), dirty.left, dirty.top, SRCCOPY);
    if (zoomOn_) {
        tracker_.Draw(dc);
    } else if (rubberBand_) {
        const RECT band{std::min(band_.left, band_.right), std::min(band_.top, band_.bottom),
                        std::max(band_.left, band_.right), std::max(band_.top, band_.bottom)};
        DrawFocusRect(dc, &band);
    }
}

}  // namespace tarvik
