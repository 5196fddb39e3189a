#include "charts/win32/ruler_text.h"

#include "charts/ruler_layout.h"

namespace tarvik {

void RulerTextPainter::Line(int along, int across, int direction, int length) const {
    const POINT from = At(along, across);
    const POINT to = At(along, across + direction * length);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

void RulerTextPainter::DrawMarks(const TickSet& ticks, int across, int direction,
                                 int length) const {
    for (const Tick& tick : ticks.ticks) {
        Line(tick.pixel, across, direction, length);
    }
    for (const int pixel : MinorTickPixels(ticks)) {
        Line(pixel, across, direction, (length + 1) / 2);
    }
}

void RulerTextPainter::DrawAlong(const std::string& text, int along, int across) const {
    const POINT at = At(along, across);
    TextOutA(dc_, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace tarvik
