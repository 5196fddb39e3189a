#pragma once
// The plotting surface of the graph window: the graphs, their marks and the grid rendered
// into an off-screen bitmap, new points drawn one segment at a time, the context menu and its
// commands, the mouse coordinates tooltip, panning, the rubber band and the zoom tool.
#include <string>

#include "base/win32/gdi.h"
#include "base/win32/window.h"
#include "charts/graph_range.h"
#include "charts/panel_flags.h"
#include "charts/win32/graph_base_class.h"
#include "charts/win32/graph_events.h"
#include "charts/win32/graph_source.h"
#include "charts/win32/ruler.h"
#include "charts/win32/zoom_tracker.h"
#include "res/resource_ids.h"

namespace tarvik {

class CGraphPanel : public Window, public CGraphBaseClass {
  public:
    // The rulers may be null: the range then reads 0.0 to 10.0 and no grid is drawn.
    CGraphPanel(const GraphSource& graphs, FHRuler* horizontal, FVRuler* vertical);
    ~CGraphPanel() override;

    int flags() const { return flags_; }
    void SetFlags(int flags, bool redraw);
    GraphRange Range() const;
    // Nothing happens when the range is the current one.
    void SetRange(const GraphRange& range, bool redraw);
    void SetRulerTitles(const std::string& xUnit, const std::string& xTip, const std::string& yUnit,
                        const std::string& yTip, bool redraw);

    // The frame's events.
    void OnGraphEvent(const GraphEvent& event);
    // Renders every graph and the grid into the off-screen bitmap and has it shown.
    void Redraw();

    // The off-screen bitmap, selected into its DC (null before the panel has a size).
    HDC BitmapDc() const { return bitmapDc_.Get(); }
    SIZE BitmapSize() const { return bitmapSize_; }
    int renderCount() const { return renders_; }

    bool zoomToolOn() const { return zoomOn_; }
    PixelRect zoomRect() const { return tracker_.rect(); }
    void SetZoomRect(const PixelRect& rect) { tracker_.SetRect(rect); }
    const std::string& coordinatesText() const { return coordinates_; }

    void AppendMenuItems(HMENU menu) override;
    bool OnMenuCommand(int id) override;

  protected:
    WindowClassDescription ClassDescription() const override {
        return {"TarvikGraphPanel", CS_DBLCLKS, IDC_CROSS};
    }
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnMouseMove(int x, int y, WPARAM keys) override;
    void OnButtonDown(MouseButton button, int x, int y, WPARAM keys) override;
    void OnButtonUp(MouseButton button, int x, int y, WPARAM keys) override;
    bool OnContextMenu(HWND clicked, POINT screen) override;
    void OnCaptureLost() override;

  private:
    PixelRect ClientPixels() const;
    void Render();
    void DrawGrid(HDC dc, const PixelRect& area) const;
    void DrawNewPoint(const GraphEvent& event);
    void Fit(int command);
    void ShowCoordinates(int x, int y);
    int MarkHalf() const;

    const GraphSource& graphs_;
    FHRuler* horizontal_;
    FVRuler* vertical_;
    int flags_ = kDefaultPanelFlags;
    GdiBrush background_;

    MemoryDc bitmapDc_;
    GdiBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    SIZE bitmapSize_{0, 0};
    bool bitmapValid_ = false;
    int renders_ = 0;
    int markHalf_ = 2;

    bool zoomOn_ = false;
    ZoomTracker tracker_;
    bool panning_ = false;
    PixelPoint lastMouse_;
    bool rubberBand_ = false;
    PixelRect band_{0, 0, 0, 0};
    HWND tooltip_ = nullptr;
    int moves_ = 0;
    std::string coordinates_;
};

}  // namespace tarvik
