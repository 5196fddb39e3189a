#pragma once
// The bar chart in GDI: measures its fonts for the layout, then draws what the layout says, in
// the order of its members. Every position and size comes from the layout.
#include <windows.h>

#include "base/win32/gdi.h"
#include "charts/bar_graph.h"
#include "charts/bar_layout.h"

namespace tarvik {

// kBarFontFace with the font's height, escapement (the orientation follows it), weight and
// pitch-and-family.
GdiFont MakeBarFont(const BarFont& font);

// tmAveCharWidth of the font as the DC renders it; 0 when the font cannot be made.
int MeasureAverageCharWidth(HDC dc, const BarFont& font);

// The chart laid out in a client area of that size, measured on the DC.
BarGraphLayout LayOutBarGraphOn(HDC dc, const CGraph& graph, int width, int height);

// For an unknown chart type only the background; showing the message is the caller's.
void PaintBarGraph(HDC dc, const BarGraphLayout& layout);

}  // namespace tarvik
