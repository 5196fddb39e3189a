#pragma once
// The arithmetic of the rulers beside the graph panel: their sizes from the screen's pixels
// per inch, how many tick intervals fit, the labels that can be drawn without running into
// each other or into the end label, and the end label itself. Text is measured by the caller.
#include <functional>
#include <string>
#include <vector>

#include "charts/ticks.h"

namespace tarvik {

// Pixels for a size in inches: truncated, at least 1. Use the vertical pixels per inch for
// heights and the horizontal ones for widths.
int InchesToPixels(double inches, int pixelsPerInch);
// 1/6 inch: the height of the horizontal ruler, the width of the vertical one.
int RulerThickness(int pixelsPerInch);
// 1/6 x 0.8849557522123894 inch.
int RulerLabelFontHeight(int pixelsPerInch);
// 1/24 inch, for major and minor tick marks alike.
int RulerTickLength(int pixelsPerInch);

// The text whose measured width is the room one tick interval needs.
inline constexpr const char* kIntervalSample = "9.99 ";
// (length - thickness) / sample width, rounded up; never below 0. A sample measured narrower
// than one pixel counts as one pixel.
int RulerIntervals(int rulerLength, int rulerThickness, int sampleWidth);

// The text whose measured width stays free for the end label at the far end.
std::string EndAreaSample(const std::string& unit);
// The unit, or with an exponent the unit, "*" and the exponent: "s*-3".
std::string EndLabelText(const std::string& unit, int exponent);
// A tick's label: "%.1f" of its value in the ticks' exponent.
std::string RulerLabelText(const Tick& tick);
// What the ruler's tooltip reads.
std::string RulerTooltipText(const std::string& title, const std::string& unit);

// Pixels along the ruler, end exclusive.
struct PixelSpan {
    int begin = 0;
    int end = 0;
};
bool Overlap(PixelSpan a, PixelSpan b);

// The end area of a ruler whose far end is at rulerLength (the horizontal ruler's right edge).
PixelSpan EndAreaBefore(int rulerLength, int endSampleWidth);

struct RulerLabel {
    std::string text;
    int tickPixel = 0;
    PixelSpan span;  // centred on the tick
};
using MeasureText = std::function<int(const std::string&)>;

// The labels to draw, in tick order: a label that would overlap the last one drawn or the end
// area is left out. Tick pixels and the end area are in the ruler's own coordinates.
std::vector<RulerLabel> RulerLabelsToDraw(const TickSet& ticks, PixelSpan endArea,
                                          const MeasureText& measure);

// One minor mark halfway between each two neighbouring ticks.
std::vector<int> MinorTickPixels(const TickSet& ticks);

}  // namespace tarvik
