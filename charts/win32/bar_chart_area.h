#pragma once
// The dialog's static control that the bar chart shows in. The chart is painted off-screen at
// the control's client size and copied in one blit, and the control repaints from that picture
// when it is uncovered (or printed), so it neither flickers nor stays blank between redraws.
#include <windows.h>

#include "base/win32/gdi.h"
#include "charts/bar_graph.h"
#include "charts/bar_layout.h"

namespace tarvik {

class BarChartArea {
  public:
    BarChartArea() = default;
    BarChartArea(const BarChartArea&) = delete;
    BarChartArea& operator=(const BarChartArea&) = delete;
    ~BarChartArea() { Unbind(); }

    // False when there is no such control or it is bound already.
    bool Bind(HWND control);
    void Unbind();

    // Lays the chart out at the control's client size, paints it off-screen and shows it. The
    // layout is the one painted.
    const BarGraphLayout& Redraw(const CGraph& graph);
    const BarGraphLayout& Layout() const { return layout_; }
    // The chart as last painted; empty before the first drawing.
    DibImage Picture() const;

  private:
    static LRESULT CALLBACK AreaProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    // False while there is no picture yet: the control then draws itself.
    bool CopyPicture(HDC target) const;
    void Forget();

    HWND control_ = nullptr;
    GdiBitmap picture_;
    SIZE size_{0, 0};
    BarGraphLayout layout_;
};

}  // namespace tarvik
