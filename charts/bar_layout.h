#pragma once
// Where the bar chart draws each part in a client area of a given size: every rectangle,
// line, text position and font height, free of any window. The Windows side measures the
// fonts, then paints what this computes, in the order of the members of BarGraphLayout.
#include <functional>
#include <string>
#include <vector>

#include "base/color.h"
#include "base/geometry.h"
#include "charts/bar_graph.h"

namespace tarvik {

// Every text of the chart is in this face.
constexpr const char* kBarFontFace = "Arial";
constexpr int kBarFontBold = 700;
constexpr int kBarTitleFamily = 0x10;  // the title's pitch-and-family value
constexpr ColorValue kBarGridColor = 0x808080;

struct BarFont {
    int height = 0;      // cell height in pixels, as CreateFont takes a positive height
    int escapement = 0;  // tenths of a degree, counter-clockwise (900 reads upward)
    int weight = kBarFontBold;
    int pitchAndFamily = 0;
    bool operator==(const BarFont& other) const {
        return height == other.height && escapement == other.escapement && weight == other.weight &&
               pitchAndFamily == other.pitchAndFamily;
    }
};

// The average character width (tmAveCharWidth) of kBarFontFace in the font. It is the only
// metric the layout asks for; every other width is counted from characters.
using AverageCharWidth = std::function<int(const BarFont& font)>;

// Drawn by TextOut at its point with the default alignment (the point is the top left of
// the text, or where a turned text starts).
struct BarText {
    std::string text;
    PixelPoint at;
    BarFont font;
};

// Drawn from one point to the other with a solid pen.
struct BarLine {
    PixelPoint from;
    PixelPoint to;
    int width = 1;
    ColorValue color = kColorBlack;
};

// A rectangle as GDI's Rectangle draws it: filled, and outlined by a black pen one pixel wide.
struct BarBox {
    PixelRect rect{0, 0, 0, 0};
    ColorValue fill = kColorWhite;
};

struct BarYTick {
    int y = 0;
    BarLine mark;
    bool hasGrid = false;  // a grey line across the chart at y, drawn after the mark
    BarLine grid;
    BarText label;  // the tick's value
};

struct BarSeriesTick {
    int x = 0;
    BarLine mark;
    BarText label;  // the series' label, turned by the X tick angle
};

struct BarColumn {
    int series = 0;  // index in the chart's series list
    int group = 0;
    BarBox box;  // stands on the X axis line; a zero height leaves top == bottom
};

struct BarLegendEntry {
    BarText label;
    BarBox swatch;  // in the colour of the entry's group
};

struct BarLegendLayout {
    BarBox frame;
    int height = 0;
    int width = 0;
    BarText heading;  // "Legend"
    std::vector<BarLegendEntry> entries;
};

struct BarGraphLayout {
    // A chart type CGraph does not know: the painter shows kNoGraphTypeMessage (once) and
    // draws only the background.
    bool unknownChartType = false;
    BarBox background;  // the whole client area, white
    int usableHeight = 0;
    int usableWidth = 0;
    BarText title;
    int axisLabelFontHeight = 0;  // after shrinking; the title's is in title.font
    bool hasLegend = false;
    BarLegendLayout legend;
    int quadrant = 1;
    // After the legend and the quadrant moves.
    int xAxisLeft = 0;
    int xAxisLine = 0;  // the pixel row of the X axis
    int yAxisHeight = 0;
    int xAxisWidth = 0;
    // Everything below is absent for the pies (types 2 and 32).
    bool hasAxes = false;
    BarLine yAxis;
    BarLine xAxis;
    BarText yLabel;  // in the turned font
    BarText xLabel;
    int tickSpacing = 0;
    std::vector<BarYTick> yTicks;  // bottom up, the first one step above the minimum
    int slotWidth = 0;             // the share of the X axis of each series
    std::vector<BarSeriesTick> seriesTicks;
    // Bars are laid out for type 0 with vertical bars only.
    int barWidth = 0;
    int groupWidth = 0;
    std::vector<BarColumn> bars;  // series by series, groups left to right
};

constexpr const char* kNoGraphTypeMessage = "No graph type to display";

BarGraphLayout LayOutBarGraph(const CGraph& graph, int clientWidth, int clientHeight,
                              const AverageCharWidth& charWidth);

// The rules the layout is made of, each on its own.

// Drops the height by 2 while (height / 2) x length exceeds the room, stopping at 2 pixels.
int ShrunkFontHeight(int startHeight, int length, int room);

// 1 when no position and no value is negative, 2 when only positions are, 3 when only
// values are, 4 when both are.
int QuadrantOf(const CGraph& graph);

// A value's bar height on a Y axis of the given height scaled from minimum to maximum: at
// least the scale's whole pixels for a value one or more above the minimum, never more than
// the axis height nor below 0.
int BarHeight(int value, int minimum, int maximum, int yAxisHeight);

}  // namespace tarvik
