#include "charts/win32/graph_panel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "charts/graph_pixels.h"
#include "charts/panel_flags.h"
#include "tests/win32/support/graph_window_host.h"

namespace tarvik {
namespace {

class LineGraphPanel : public GraphWindowSuite {};

TEST_F(LineGraphPanel, FirstGraphsRedLinePassesWhereTheMappingSays) {
    graph.SetGraphFlags(kGrowAxesFlag, true);
    const int index = graph.AddGraph(RGB(255, 0, 0), "DM-Antalus 0", true, true, false);
    ASSERT_EQ(index, 0);
    graph.AddPoint(index, 0.0, 2.0, true);
    graph.AddPoint(index, 10.0, 7.0, true);
    const Picture picture = Bitmap();
    const ValueMapping x = XMapping(PanelPixels(), Range().x);
    const ValueMapping y = YMapping(PanelPixels(), Range().y);
    for (const double at : {1.0, 3.0, 5.0, 8.5}) {
        const int px = x.PixelOf(at);
        const int py = y.PixelOf(2.0 + at / 2.0);
        bool found = false;
        for (int dy = -1; dy <= 1; ++dy) {
            found = found || IsRed(picture.At(px, py + dy));
        }
        EXPECT_TRUE(found) << at;
        EXPECT_EQ(picture.At(px, py - 10), RGB(255, 255, 255)) << at;
    }
}

TEST_F(LineGraphPanel, MarksAreSquaresOfTheHalfSizeFromThePixelsPerInch) {
    graph.SetGraphFlags(kGrowAxesFlag | kPointMarksFlag, true);
    const int index = graph.AddGraph(RGB(255, 0, 0), "one", true, true, false);
    graph.AddPoint(index, 5.0, 5.0, true);
    WindowDc screen(nullptr);
    const int half = MarkHalfSize(GetDeviceCaps(screen.Get(), LOGPIXELSY));
    EXPECT_EQ(CountWhere(Bitmap(), IsRed), (2 * half + 1) * (2 * half + 1));
}

TEST_F(LineGraphPanel, GridLinesAreDottedAtTheRulerTicks) {
    graph.SetGraphFlags(kGridFlag, true);
    const Picture picture = Bitmap();
    const PixelRect area = PanelPixels();
    const TickSet ticks =
        graph.Container()->HorizontalRuler().PanelTicks(panel->BitmapDc(), area.right);
    ASSERT_GE(ticks.ticks.size(), 3u);
    for (const Tick& tick : ticks.ticks) {
        if (tick.pixel >= area.right) {
            continue;
        }
        const int black =
            picture.Count(RGB(0, 0, 0), RECT{tick.pixel, 0, tick.pixel + 1, area.bottom});
        // Dotted: about every other pixel, never a solid line.
        EXPECT_GT(black, area.bottom / 4) << tick.pixel;
        EXPECT_LT(black, area.bottom * 3 / 4) << tick.pixel;
    }
    const int between = (ticks.ticks[0].pixel + ticks.ticks[1].pixel) / 2;
    const int y = YMapping(area, Range().y).PixelOf(0.5 * (0 + 1));  // between two Y ticks
    EXPECT_EQ(picture.At(between, y), RGB(255, 255, 255));
    EXPECT_GT(picture.Count(RGB(0, 0, 0), RECT{0, 0, area.right, 1}), 0);
}

TEST_F(LineGraphPanel, HiddenGraphIsNotDrawn) {
    graph.SetGraphFlags(kGrowAxesFlag | kPointMarksFlag, true);
    const int red = graph.AddGraph(RGB(255, 0, 0), "red", true, true, false);
    const int green = graph.AddGraph(RGB(0, 255, 0), "green", true, true, false);
    for (int i = 0; i <= 10; ++i) {
        graph.AddPoint(red, i, 3.0, true);
        graph.AddPoint(green, i, 6.0, true);
    }
    EXPECT_GT(CountWhere(Bitmap(), IsGreen), 0);
    graph.GetGraph(green)->SetVisible(false);
    graph.UpdateWindows(0x01);
    EXPECT_EQ(CountWhere(Bitmap(), IsGreen), 0);
    EXPECT_GT(CountWhere(Bitmap(), IsRed), 0);
}

TEST_F(LineGraphPanel, NewPointsAtTheEndAreDrawnWithoutAFullRender) {
    graph.SetGraphFlags(kGrowAxesFlag | kPointMarksFlag, true);
    const int index = graph.AddGraph(RGB(255, 0, 0), "run", true, true, false);
    graph.AddPoint(index, 1.0, 1.0, true);
    const int renders = panel->renderCount();
    for (int i = 2; i <= 9; ++i) {
        graph.AddPoint(index, i, i, true);
    }
    EXPECT_EQ(panel->renderCount(), renders);
    const Picture incremental = Bitmap();
    graph.UpdateWindows(0x01);
    const Picture full = Bitmap();
    EXPECT_EQ(CountWhere(incremental, IsRed), CountWhere(full, IsRed));
    // A point beyond the range grows it and renders everything again.
    graph.AddPoint(index, 12.0, 4.0, true);
    EXPECT_EQ(Range().x.max, 12.0);
    EXPECT_GT(panel->renderCount(), renders + 1);
}

TEST_F(LineGraphPanel, ShiftDragPansTheGraphWithTheMouse) {
    const GraphRange before = Range();
    const PixelRect area = PanelPixels();
    const GraphRange expected = PannedRange(before, XMapping(area, before.x),
                                            YMapping(area, before.y), {100, 100}, {140, 80});
    HWND window = panel->Handle();
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(100, 100));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(140, 80));
    PostMessageA(window, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(140, 80));
    PumpMessages();
    EXPECT_EQ(Range(), expected);
    EXPECT_LT(Range().x.min, 0.0);
    // Without Shift the drag draws a rubber band that becomes the zoom rectangle.
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
    PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 120));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(90, 120));
    PumpMessages();
    EXPECT_EQ(Range(), expected);
    EXPECT_TRUE(panel->zoomToolOn());
    EXPECT_EQ(panel->zoomRect(), (PixelRect{30, 40, 90, 120}));
}

TEST_F(LineGraphPanel, EveryFourthMoveSetsTheCoordinatesText) {
    HWND window = panel->Handle();
    const PixelRect area = PanelPixels();
    for (int i = 0; i < 4; ++i) {
        SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(area.right / 2, area.bottom / 4));
    }
    const std::string x =
        graph.FormatAxisOutput(XMapping(area, Range().x).ValueOf(area.right / 2), 1, 1);
    const std::string y =
        graph.FormatAxisOutput(YMapping(area, Range().y).ValueOf(area.bottom / 4), 0, 1);
    EXPECT_EQ(panel->coordinatesText(), "x=" + x + ", y=" + y);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(panel->coordinatesText(), "x=" + x + ", y=" + y);
}

}  // namespace
}  // namespace tarvik
