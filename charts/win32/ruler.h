#pragma once
// The rulers along the top and the left of the graph panel: ticks where the grid lines fall,
// labels in one decimal with the common exponent shown in the end label, and a tooltip naming
// the axis.
#include <string>

#include "base/win32/gdi.h"
#include "base/win32/window.h"
#include "charts/graph_range.h"
#include "charts/ticks.h"

namespace tarvik {

class FRuler : public Window {
  public:
    ~FRuler() override;

    // Redraws at once when asked (invalidate, erase, update now).
    void SetRange(double min, double max, bool redraw);
    AxisRange Range() const { return range_; }
    void SetTitles(const std::string& unit, const std::string& tooltip, bool redraw);
    const std::string& unit() const { return unit_; }
    const std::string& tooltip() const { return tooltip_; }

    // Where the panel begins along the ruler, in the ruler's own pixels.
    void SetPanelOffset(int offset) { panelOffset_ = offset; }

    // The height of the horizontal ruler, the width of the vertical one.
    virtual int Thickness(HDC dc) const = 0;
    // How many tick intervals fit, from the width of "9.99 " in the label font.
    int Intervals(HDC dc) const;
    // The ticks along the panel's side, in the panel's pixels.
    virtual TickSet PanelTicks(HDC dc, int panelLength) const = 0;
    virtual void Draw(HDC dc) const = 0;

  protected:
    FRuler() = default;
    bool OnCreate() override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    bool OnEraseBackground(HDC) override { return true; }

    // Along the ruler: its width (horizontal) or height (vertical).
    virtual int Length() const = 0;
    GdiFont LabelFont(HDC dc, int escapement) const;
    // Background and raised edge.
    void DrawFrame(HDC dc, const RECT& client) const;
    int TickLength(HDC dc) const;

    AxisRange range_{1.0, 100.0};
    std::string unit_;
    std::string tooltip_;
    int panelOffset_ = 0;

  private:
    void UpdateTooltip();
    HWND tooltipWindow_ = nullptr;
};

// Above the panel; values grow to the right, the end label at the right end.
class FHRuler : public FRuler {
  public:
    int Thickness(HDC dc) const override;
    TickSet PanelTicks(HDC dc, int panelLength) const override;
    void Draw(HDC dc) const override;

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikHRuler"}; }
    int Length() const override;
};

// Left of the panel; values grow upwards, the labels turned to read upwards, the end label at
// the top.
class FVRuler : public FRuler {
  public:
    int Thickness(HDC dc) const override;
    TickSet PanelTicks(HDC dc, int panelLength) const override;
    void Draw(HDC dc) const override;

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikVRuler"}; }
    int Length() const override;
};

}  // namespace tarvik
