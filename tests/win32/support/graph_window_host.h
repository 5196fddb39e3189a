#pragma once
// A graph window inside the test host, on a range of 0 to 10 both ways, and the means to read
// its panel's off-screen bitmap.
#include <windows.h>

#include <gtest/gtest.h>

#include "charts/win32/graph_wnd.h"
#include "tests/win32/support/page_host.h"
#include "tests/win32/support/picture.h"

namespace tarvik {

class GraphWindowSuite : public HostWindowSuite {
  protected:
    static constexpr RECT kArea{0, 0, 420, 320};

    void SetUp() override {
        HostWindowSuite::SetUp();
        ASSERT_NE(graph.Create("Graph Window", kArea, Host(), 11000, WS_CHILD | WS_VISIBLE, true),
                  nullptr);
        graph.SetAxisRange(0.0, 10.0, 0.0, 10.0, true);
        panel = graph.Panel();
        ASSERT_NE(panel, nullptr);
        PumpMessages();
    }

    Picture Bitmap() const {
        const SIZE size = panel->BitmapSize();
        return Picture::OfDc(panel->BitmapDc(), RECT{0, 0, size.cx, size.cy});
    }
    PixelRect PanelPixels() const {
        const SIZE size = panel->BitmapSize();
        return {0, 0, size.cx, size.cy};
    }
    GraphRange Range() const { return panel->Range(); }

    // The 16-bit bitmap keeps five bits of each primary: full ones come back near 255.
    static bool IsRed(COLORREF c) {
        return GetRValue(c) >= 0xF0 && GetGValue(c) < 0x10 && GetBValue(c) < 0x10;
    }
    static bool IsGreen(COLORREF c) {
        return GetGValue(c) >= 0xF0 && GetRValue(c) < 0x10 && GetBValue(c) < 0x10;
    }
    static int CountWhere(const Picture& picture, bool (*test)(COLORREF)) {
        int count = 0;
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                count += test(picture.At(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

    CGraphWnd graph{32};
    CGraphPanel* panel = nullptr;
};

}  // namespace tarvik
