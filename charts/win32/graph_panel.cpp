#include "charts/win32/graph_panel.h"

#include "charts/graph_fit.h"
#include "charts/ruler_layout.h"

namespace tarvik {

namespace {
UINT Checked(bool on) {
    return on ? MF_CHECKED : MF_UNCHECKED;
}
}  // namespace

CGraphPanel::CGraphPanel(const GraphSource& graphs, FHRuler* horizontal, FVRuler* vertical)
    : graphs_(graphs),
      horizontal_(horizontal),
      vertical_(vertical),
      background_(CreateSolidBrush(RGB(255, 255, 255))) {}

CGraphPanel::~CGraphPanel() {
    if (previousBitmap_) {
        SelectObject(bitmapDc_.Get(), previousBitmap_);
    }
    if (tooltip_) {
        DestroyWindow(tooltip_);
    }
}

void CGraphPanel::OnDestroy() {
    LeaveGraphChain(Handle());
}

GraphRange CGraphPanel::Range() const {
    GraphRange range;
    if (horizontal_) {
        range.x = horizontal_->Range();
    }
    if (vertical_) {
        range.y = vertical_->Range();
    }
    return range;
}

void CGraphPanel::SetRange(const GraphRange& range, bool redraw) {
    if (range == Range()) {
        return;
    }
    if (horizontal_) {
        horizontal_->SetRange(range.x.min, range.x.max, redraw);
    }
    if (vertical_) {
        vertical_->SetRange(range.y.min, range.y.max, redraw);
    }
    if (redraw) {
        Redraw();
    } else {
        bitmapValid_ = false;
    }
}

void CGraphPanel::SetFlags(int flags, bool redraw) {
    flags_ = flags;
    if (redraw) {
        Redraw();
    } else {
        bitmapValid_ = false;
    }
}

void CGraphPanel::SetRulerTitles(const std::string& xUnit, const std::string& xTip,
                                 const std::string& yUnit, const std::string& yTip, bool redraw) {
    if (horizontal_) {
        horizontal_->SetTitles(xUnit, xTip, redraw);
    }
    if (vertical_) {
        vertical_->SetTitles(yUnit, yTip, redraw);
    }
}

void CGraphPanel::OnGraphEvent(const GraphEvent& event) {
    switch (event.code) {
        case GraphEventCode::PointAdded:
            DrawNewPoint(event);
            break;
        case GraphEventCode::PointRemoved:
        case GraphEventCode::PointEdited:
        case GraphEventCode::GraphRemoved:
        case GraphEventCode::GraphCleared:
            if (event.redraw) {
                Redraw();
            } else {
                bitmapValid_ = false;
            }
            break;
        case GraphEventCode::AxisRange:
            flags_ = event.flags;
            if (event.range == Range()) {
                // The flags may have changed what the same range shows.
                bitmapValid_ = false;
                if (event.redraw) {
                    Redraw();
                }
            } else {
                SetRange(event.range, event.redraw);
            }
            break;
        case GraphEventCode::Redraw:
            if (event.flags & kRedrawRulers) {
                for (FRuler* ruler :
                     {static_cast<FRuler*>(horizontal_), static_cast<FRuler*>(vertical_)}) {
                    if (ruler && ruler->Handle()) {
                        RedrawWindow(ruler->Handle(), nullptr, nullptr,
                                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                    }
                }
            }
            if (event.flags & kRedrawPanel) {
                Redraw();
            }
            break;
        case GraphEventCode::AxisProperties: {
            const AxisProperties& x = graphs_.GetAxisProps(1);
            const AxisProperties& y = graphs_.GetAxisProps(0);
            SetRulerTitles(x.unit(), RulerTooltipText(x.title(), x.unit()), y.unit(),
                           RulerTooltipText(y.title(), y.unit()), event.redraw);
            break;
        }
        default:  // graph added, and the point list bar's own
            break;
    }
}

void CGraphPanel::AppendMenuItems(HMENU menu) {
    AppendMenuA(menu, MF_STRING | Checked(flags_ & kPointMarksFlag), IDM_GRAPH_POINT_MARKS,
                "Point marks");
    AppendMenuA(menu, MF_STRING | Checked(flags_ & kScatterFlag), IDM_GRAPH_SCATTER,
                "Scatter graph");
    AppendMenuA(menu, MF_STRING | Checked(flags_ & kTraceMouseFlag), IDM_GRAPH_TRACE_MOUSE,
                "Trace mouse coordinates");
    AppendMenuA(menu, MF_STRING | Checked(flags_ & kGridFlag), IDM_GRAPH_AXIS, "Axis");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU zoom = CreatePopupMenu();
    AppendMenuA(zoom, MF_STRING | Checked(zoomOn_), IDM_GRAPH_ZOOM_TOOL, "Zoom tool");
    AppendMenuA(zoom, MF_STRING | (zoomOn_ ? MF_ENABLED : MF_GRAYED), IDM_GRAPH_ZOOM_APPLY,
                "Apply");
    // The menu owns its submenus from here on.
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom), "Zoom");
    HMENU fit = CreatePopupMenu();
    AppendMenuA(fit, MF_STRING, IDM_GRAPH_FIT_WIDTH, "Width");
    AppendMenuA(fit, MF_STRING, IDM_GRAPH_FIT_HEIGHT, "Height");
    AppendMenuA(fit, MF_STRING, IDM_GRAPH_FIT_PAGE, "Page");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(fit), "Fit...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_GRAPH_COPY_PICTURE, "Copy picture");
    AppendMenuA(menu, MF_STRING, IDM_GRAPH_SAVE_PICTURE, "Save picture...");
}

bool CGraphPanel::OnMenuCommand(int id) {
    switch (id) {
        case IDM_GRAPH_POINT_MARKS:
            SetFlags(flags_ ^ kPointMarksFlag, true);
            return true;
        case IDM_GRAPH_SCATTER:
            SetFlags(flags_ ^ kScatterFlag, true);
            return true;
        case IDM_GRAPH_AXIS:
            SetFlags(flags_ ^ kGridFlag, true);
            return true;
        case IDM_GRAPH_TRACE_MOUSE:
            // Only the tooltip changes; the picture stays as it is.
            flags_ ^= kTraceMouseFlag;
            return true;
        case IDM_GRAPH_ZOOM_TOOL:
            zoomOn_ = !zoomOn_;
            if (zoomOn_) {
                tracker_.SetRect(ZoomTracker::kZoomToolRect);
            }
            Invalidate();
            return true;
        case IDM_GRAPH_ZOOM_APPLY:
            if (zoomOn_) {
                zoomOn_ = false;
                const PixelRect panel = ClientPixels();
                const GraphRange range = Range();
                SetRange(RangeOfRectangle(tracker_.rect(), XMapping(panel, range.x),
                                          YMapping(panel, range.y)),
                         true);
                Invalidate();
            }
            return true;
        case IDM_GRAPH_FIT_WIDTH:
        case IDM_GRAPH_FIT_HEIGHT:
        case IDM_GRAPH_FIT_PAGE:
            Fit(id);
            return true;
        default:
            return false;
    }
}

void CGraphPanel::Fit(int command) {
    const std::optional<ValueBox> box = graphs_.BoundRect();
    if (!box) {
        return;
    }
    const FitKind kind = command == IDM_GRAPH_FIT_WIDTH    ? FitKind::Width
                         : command == IDM_GRAPH_FIT_HEIGHT ? FitKind::Height
                                                           : FitKind::Page;
    SetRange(FittedRange(kind, Range(), *box), true);
}

}  // namespace tarvik
