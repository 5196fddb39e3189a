// The rulers beside the graph panel: their sizes at the screen's pixels per inch, the labels
// kept apart and out of the end area, and the end label with the exponent.
#include "charts/win32/ruler.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "charts/ruler_layout.h"
#include "tests/win32/support/graph_window_host.h"

namespace tarvik {
namespace {

class LineGraphRuler : public GraphWindowSuite {
  protected:
    static RECT AreaOf(HWND window, HWND parent) {
        RECT area{};
        GetWindowRect(window, &area);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        return area;
    }
    // Black pixels in the top rows of the horizontal ruler's right end, where only the end
    // label may be: the tick marks stay at the bottom edge.
    int EndAreaInk() {
        FHRuler& ruler = graph.Container()->HorizontalRuler();
        RECT client{};
        GetClientRect(ruler.Handle(), &client);
        DibImage blank;
        blank.width = client.right;
        blank.height = client.bottom;
        blank.pixels.assign(static_cast<std::size_t>(blank.width) * blank.height, 0);
        GdiBitmap bitmap = MakeDibSection(blank);
        MemoryDc memory(CreateCompatibleDC(nullptr));
        {
            SelectionGuard selected(memory.Get(), bitmap.Get());
            ruler.Draw(memory.Get());
            GdiFlush();
        }
        const Picture picture = Picture::OfBitmap(bitmap.Get());
        WindowDc dc(ruler.Handle());
        const int ticks = RulerTickLength(GetDeviceCaps(dc.Get(), LOGPIXELSY));
        return picture.Count(RGB(0, 0, 0), RECT{picture.Width() - 12, 1, picture.Width() - 2,
                                                picture.Height() - ticks - 1});
    }
};

TEST_F(LineGraphRuler, SizesComeFromThePixelsPerInch) {
    WindowDc screen(nullptr);
    const int ppiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    const int ppiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    CGraphContainer& container = *graph.Container();
    const RECT h = AreaOf(container.HorizontalRuler().Handle(), container.Handle());
    const RECT v = AreaOf(container.VerticalRuler().Handle(), container.Handle());
    const RECT p = AreaOf(container.Panel().Handle(), container.Handle());
    RECT client{};
    GetClientRect(container.Handle(), &client);
    EXPECT_EQ(h.bottom - h.top, RulerThickness(ppiY));
    EXPECT_EQ(h.right - h.left, client.right);
    EXPECT_EQ(v.right - v.left, RulerThickness(ppiX));
    EXPECT_EQ(v.top, h.bottom);
    EXPECT_EQ(v.bottom, client.bottom);
    EXPECT_EQ(p.left, v.right);
    EXPECT_EQ(p.top, h.bottom);
    EXPECT_EQ(p.right, client.right);
    EXPECT_EQ(p.bottom, client.bottom);
    if (ppiY == 96) {
        EXPECT_EQ(RulerThickness(ppiY), 16);
        EXPECT_EQ(RulerLabelFontHeight(ppiY), 14);
    }
}

TEST_F(LineGraphRuler, EndLabelShowsTheExponentOfTinyRanges) {
    // Below 10 the exponent is 0: with no unit the end label is empty.
    graph.SetAxisRange(0.0, 5.0, 0.0, 10.0, true);
    EXPECT_EQ(EndAreaInk(), 0);
    graph.SetAxisRange(0.001, 0.004, 0.0, 10.0, true);
    EXPECT_GT(EndAreaInk(), 5);
    graph.SetAxisProps("Seconds", "s", 4, 1, true);
    graph.SetAxisRange(0.0, 5.0, 0.0, 10.0, true);
    EXPECT_GT(EndAreaInk(), 3);  // the unit alone
    EXPECT_EQ(graph.Container()->HorizontalRuler().unit(), "s");
    EXPECT_EQ(graph.Container()->HorizontalRuler().tooltip(), RulerTooltipText("Seconds", "s"));
}

}  // namespace
}  // namespace tarvik
