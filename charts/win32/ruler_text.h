#pragma once
// Marks and texts along a ruler, given in pixels along it and across it, so the vertical ruler
// draws what the horizontal one does turned through 90 degrees.
#include <windows.h>

#include <string>

#include "charts/ticks.h"

namespace tarvik {

// The width of the text in the DC's font.
inline int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

class RulerTextPainter {
  public:
    // Upright: along is x, across is y. Otherwise along runs up from `length` (the bottom) and
    // across is x; the font is expected turned to read upwards.
    RulerTextPainter(HDC dc, bool upright, int length = 0)
        : dc_(dc), upright_(upright), length_(length) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    }

    // Major marks at the ticks and shorter ones between them, from the edge at `across` in the
    // direction given (+1 or -1).
    void DrawMarks(const TickSet& ticks, int across, int direction, int length) const;
    // Text beginning at `along`, its top at `across`.
    void DrawAlong(const std::string& text, int along, int across) const;

  private:
    POINT At(int along, int across) const {
        return upright_ ? POINT{along, across} : POINT{across, length_ - along};
    }
    void Line(int along, int across, int direction, int length) const;

    HDC dc_;
    bool upright_;
    int length_;
};

}  // namespace tarvik
