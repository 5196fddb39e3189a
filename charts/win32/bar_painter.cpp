#include "charts/win32/bar_painter.h"

#include <utility>
#include <vector>

namespace tarvik {
namespace {

// A chart uses a handful of distinct fonts for dozens of texts: each is made once a drawing.
class FontCache {
  public:
    HFONT Get(const BarFont& font) {
        for (const auto& [key, made] : fonts_) {
            if (key == font) {
                return made.Get();
            }
        }
        fonts_.emplace_back(font, MakeBarFont(font));
        return fonts_.back().second.Get();
    }

  private:
    std::vector<std::pair<BarFont, GdiFont>> fonts_;
};

void DrawLabel(HDC dc, FontCache& fonts, const BarText& text) {
    if (text.text.empty()) {
        return;
    }
    const SelectionGuard font(dc, fonts.Get(text.font));
    TextOutA(dc, text.at.x, text.at.y, text.text.c_str(), static_cast<int>(text.text.size()));
}

void DrawLine(HDC dc, const BarLine& line) {
    const GdiPen pen(CreatePen(PS_SOLID, line.width, line.color));
    const SelectionGuard selected(dc, pen.Get());
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

void DrawBox(HDC dc, const BarBox& box) {
    const GdiBrush brush(CreateSolidBrush(box.fill));
    const SelectionGuard selected(dc, brush.Get());
    const SelectionGuard outline(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, box.rect.left, box.rect.top, box.rect.right, box.rect.bottom);
}

void DrawLegend(HDC dc, FontCache& fonts, const BarLegendLayout& legend) {
    DrawBox(dc, legend.frame);
    DrawLabel(dc, fonts, legend.heading);
    for (const BarLegendEntry& entry : legend.entries) {
        DrawLabel(dc, fonts, entry.label);
        DrawBox(dc, entry.swatch);
    }
}

void DrawAxes(HDC dc, FontCache& fonts, const BarGraphLayout& layout) {
    DrawLine(dc, layout.yAxis);
    DrawLine(dc, layout.xAxis);
    DrawLabel(dc, fonts, layout.yLabel);
    DrawLabel(dc, fonts, layout.xLabel);
    for (const BarYTick& tick : layout.yTicks) {
        DrawLine(dc, tick.mark);
        if (tick.hasGrid) {
            DrawLine(dc, tick.grid);
        }
        DrawLabel(dc, fonts, tick.label);
    }
    for (const BarSeriesTick& tick : layout.seriesTicks) {
        DrawLine(dc, tick.mark);
        DrawLabel(dc, fonts, tick.label);
    }
}

}  // namespace

GdiFont MakeBarFont(const BarFont& font) {
    return GdiFont(CreateFontA(font.height, 0, font.escapement, font.escapement, font.weight, FALSE,
                               FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, static_cast<BYTE>(font.pitchAndFamily),
                               kBarFontFace));
}

int MeasureAverageCharWidth(HDC dc, const BarFont& font) {
    const GdiFont made = MakeBarFont(font);
    if (!made) {
        return 0;
    }
    const SelectionGuard selected(dc, made.Get());
    TEXTMETRICA metrics{};
    return GetTextMetricsA(dc, &metrics) ? metrics.tmAveCharWidth : 0;
}

BarGraphLayout LayOutBarGraphOn(HDC dc, const CGraph& graph, int width, int height) {
    return LayOutBarGraph(graph, width, height,
                          [dc](const BarFont& font) { return MeasureAverageCharWidth(dc, font); });
}

void PaintBarGraph(HDC dc, const BarGraphLayout& layout) {
    const SavedDcState saved(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kColorBlack);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DrawBox(dc, layout.background);
    if (layout.unknownChartType) {
        return;
    }
    FontCache fonts;
    DrawLabel(dc, fonts, layout.title);
    if (layout.hasLegend) {
        DrawLegend(dc, fonts, layout.legend);
    }
    if (layout.hasAxes) {
        DrawAxes(dc, fonts, layout);
    }
    for (const BarColumn& bar : layout.bars) {
        DrawBox(dc, bar.box);
    }
}

}  // namespace tarvik
