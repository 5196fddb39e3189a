#include "charts/bar_layout.h"

#include <algorithm>

namespace tarvik {
namespace {

constexpr int kTitleStartHeight = 24;
constexpr int kTitleTop = 10;
constexpr int kAxisLabelStartHeight = 16;
constexpr int kSmallestFontHeight = 2;
constexpr int kAxisPenWidth = 2;
constexpr int kTickHalfLength = 3;
constexpr int kSeriesLabelCharWidth = 8;
constexpr int kLegendHeadingHeight = 16;
constexpr int kLegendRowHeight = 18;
constexpr int kLegendFirstRow = 25;
constexpr int kSwatchSize = 12;
constexpr const char* kLegendHeading = "Legend";

int Length(const std::string& text) {
    return static_cast<int>(text.size());
}

BarFont BoldFont(int height, int escapement = 0) {
    BarFont font;
    font.height = height;
    font.escapement = escapement;
    return font;
}

bool IsPie(int chartType) {
    return chartType == 2 || chartType == 32;
}

void LayOutTitle(const CGraph& graph, int width, const AverageCharWidth& charWidth,
                 BarGraphLayout& layout) {
    const int length = Length(graph.Title());
    BarFont font = BoldFont(ShrunkFontHeight(kTitleStartHeight, length, layout.usableWidth));
    font.pitchAndFamily = kBarTitleFamily;
    layout.title = {graph.Title(), {width / 2 - (length / 2) * charWidth(font), kTitleTop}, font};
}

void LayOutLegend(const CGraph& graph, const AverageCharWidth& charWidth, BarGraphLayout& layout) {
    BarLegendLayout& legend = layout.legend;
    const int longest = graph.LongestLegendLabel();
    const int fontHeight = graph.LegendFontHeight();
    legend.height = graph.GroupCount() * kLegendRowHeight + 26;
    const int right = layout.usableWidth - 5;
    const int top = layout.usableHeight / 2 - legend.height / 2;
    const int left = right - longest * static_cast<int>(fontHeight * 0.66) - 25;
    legend.width = right - left;
    legend.frame = {{left, top, right, top + legend.height}, kColorWhite};

    // Centred by the average character width, as the title is.
    const BarFont headingFont = BoldFont(kLegendHeadingHeight);
    const int headingX =
        left + legend.width / 2 - (Length(kLegendHeading) / 2) * charWidth(headingFont);
    legend.heading = {kLegendHeading, {headingX, top + 3}, headingFont};

    // The swatch column starts past the longest label, counted at half the font height a
    // character; a square swatch is cut short rather than cross the frame.
    const int swatchLeft = left + 5 + (fontHeight / 2) * longest + 10;
    const int swatchRight = std::max(swatchLeft, std::min(swatchLeft + kSwatchSize, right - 5));
    int y = top + kLegendFirstRow;
    for (const CGraphLegendSet& entry : graph.Legend().Entries()) {
        BarLegendEntry placed;
        placed.label = {entry.label, {left + 5, y}, BoldFont(fontHeight)};
        placed.swatch = {{swatchLeft, y, swatchRight, y + kSwatchSize},
                         graph.ColorOfGroup(entry.position)};
        legend.entries.push_back(placed);
        y += kLegendRowHeight;
    }
}

void LayOutYTicks(const CGraph& graph, BarGraphLayout& layout) {
    const int count = graph.NumTicks();
    if (count <= 0) {
        return;
    }
    layout.tickSpacing = std::max(0, (layout.yAxisHeight - 10) / count);
    // Without a pixel between ticks every label would pile up on the X axis.
    if (layout.tickSpacing == 0) {
        return;
    }
    const int left = layout.xAxisLeft;
    const BarFont font = BoldFont(graph.TickFontHeight());
    for (int i = 1; i <= count; ++i) {
        BarYTick tick;
        tick.y = layout.xAxisLine - i * layout.tickSpacing;
        tick.mark = {{left - kTickHalfLength, tick.y},
                     {left + kTickHalfLength, tick.y},
                     kAxisPenWidth,
                     kColorBlack};
        tick.hasGrid = graph.GridLines();
        if (tick.hasGrid) {
            tick.grid = {{left, tick.y}, {left + layout.xAxisWidth, tick.y}, 1, kBarGridColor};
        }
        const long long value =
            static_cast<long long>(graph.MinTick()) + static_cast<long long>(i) * graph.TickStep();
        const std::string text = std::to_string(value);
        tick.label = {text, {left - (font.height / 2) * Length(text) - 10, tick.y - 6}, font};
        layout.yTicks.push_back(tick);
    }
}

void LayOutSeriesTicks(const CGraph& graph, BarGraphLayout& layout) {
    const BarFont font = BoldFont(graph.SeriesFontHeight(), graph.XTickAngle() * 10);
    const int slot = layout.slotWidth;
    const int line = layout.xAxisLine;
    for (int s = 1; s <= graph.SeriesCount(); ++s) {
        BarSeriesTick tick;
        tick.x = layout.xAxisLeft + s * slot - slot / 2;
        tick.mark = {{tick.x, line - kTickHalfLength},
                     {tick.x, line + kTickHalfLength},
                     kAxisPenWidth,
                     kColorBlack};
        const std::string& label = graph.Series()[static_cast<std::size_t>(s - 1)]->Label();
        tick.label = {
            label, {tick.x - (Length(label) * kSeriesLabelCharWidth) / 2, line + 8}, font};
        layout.seriesTicks.push_back(tick);
    }
}

void LayOutAxes(const CGraph& graph, const BarFont& axisFont, const AverageCharWidth& charWidth,
                BarGraphLayout& layout) {
    layout.hasAxes = true;
    const PixelPoint corner{layout.xAxisLeft, layout.xAxisLine};
    layout.yAxis = {corner, {corner.x, corner.y - layout.yAxisHeight}, kAxisPenWidth, kColorBlack};
    layout.xAxis = {corner, {corner.x + layout.xAxisWidth, corner.y}, kAxisPenWidth, kColorBlack};

    const BarFont turnedFont = BoldFont(axisFont.height, 900);
    const int yLength = graph.YAxisLabelLength();
    layout.yLabel = {
        graph.YAxisLabel(),
        {10, corner.y - layout.yAxisHeight / 2 + (yLength * charWidth(turnedFont)) / 2},
        turnedFont};
    const int xLength = graph.XAxisLabelLength();
    layout.xLabel = {graph.XAxisLabel(),
                     {corner.x + layout.xAxisWidth / 2 - (xLength / 2) * charWidth(axisFont),
                      layout.usableHeight - 11},
                     axisFont};

    LayOutYTicks(graph, layout);
    if (graph.SeriesCount() > 0) {
        layout.slotWidth = layout.xAxisWidth / graph.SeriesCount();
    }
    LayOutSeriesTicks(graph, layout);
}

void LayOutBars(const CGraph& graph, BarGraphLayout& layout) {
    const int groups = graph.GroupCount();
    if (groups <= 0) {
        return;
    }
    const int slot = layout.slotWidth;
    layout.barWidth = static_cast<int>(slot * 0.6 / groups);
    layout.groupWidth = groups * layout.barWidth;
    for (int s = 1; s <= graph.SeriesCount(); ++s) {
        const CGraphSeries& series = *graph.Series()[static_cast<std::size_t>(s - 1)];
        const int centre = layout.xAxisLeft - slot / 2 + s * slot;
        for (int g = 0; g < groups; ++g) {
            const int value = series.GetData(g);
            if (value <= -1) {
                continue;
            }
            const int height =
                BarHeight(value, graph.MinTick(), graph.MaxTick(), layout.yAxisHeight);
            const int left = centre - layout.groupWidth / 2 + g * layout.barWidth;
            BarColumn bar;
            bar.series = s - 1;
            bar.group = g;
            bar.box = {{left, layout.xAxisLine - height, left + layout.barWidth, layout.xAxisLine},
                       graph.ColorOfGroup(g)};
            layout.bars.push_back(bar);
        }
    }
}

}  // namespace

int ShrunkFontHeight(int startHeight, int length, int room) {
    // The floor: a text too long for the room at every height would otherwise reach 0 (the
    // system's default size) or, with no room at all, never stop.
    int height = startHeight;
    while (height > kSmallestFontHeight && static_cast<long long>(height / 2) * length > room) {
        height -= 2;
    }
    return height;
}

int QuadrantOf(const CGraph& graph) {
    int lowestPosition = 0;
    int lowestValue = 0;
    for (const auto& series : graph.Series()) {
        for (const CGraphDataSet& data : series->DataSets()) {
            lowestPosition = std::min(lowestPosition, data.position);
            lowestValue = std::min(lowestValue, data.value);
        }
    }
    if (lowestPosition < 0) {
        return lowestValue < 0 ? 4 : 2;
    }
    return lowestValue < 0 ? 3 : 1;
}

int BarHeight(int value, int minimum, int maximum, int yAxisHeight) {
    const double above = static_cast<double>(value) - minimum;
    const double range = static_cast<double>(maximum) - minimum;
    if (range <= 0.0) {
        // No span to scale by: a value above the minimum is above the top too.
        return above >= 1.0 ? std::max(0, yAxisHeight) : 0;
    }
    const double scale = (yAxisHeight - 10) / range;
    // Held between 0 and the cap before the conversion, so that a huge value cannot overflow
    // the int; the raise cannot pass the cap, a whole scale being at most the axis less 10.
    const double scaled =
        std::clamp(above * scale, 0.0, static_cast<double>(std::max(0, yAxisHeight)));
    const int height = static_cast<int>(scaled);
    const int raised = (above >= 1.0 && height < 1) ? static_cast<int>(scale) : height;
    return std::max(0, raised);
}

BarGraphLayout LayOutBarGraph(const CGraph& graph, int clientWidth, int clientHeight,
                              const AverageCharWidth& charWidth) {
    BarGraphLayout layout;
    const int width = std::max(0, clientWidth);
    const int height = std::max(0, clientHeight);
    layout.background = {{0, 0, width, height}, kColorWhite};
    if (!IsKnownChartType(graph.ChartType())) {
        layout.unknownChartType = true;
        return layout;
    }
    // Sizes never go below 0, however small the area: the rest divides them.
    layout.usableHeight = std::max(0, height - 20);
    layout.usableWidth = std::max(0, width - 5);
    LayOutTitle(graph, width, charWidth, layout);

    layout.axisLabelFontHeight =
        layout.usableHeight < layout.usableWidth
            ? ShrunkFontHeight(kAxisLabelStartHeight, graph.YAxisLabelLength(), layout.usableHeight)
            : ShrunkFontHeight(kAxisLabelStartHeight, graph.XAxisLabelLength(), layout.usableWidth);

    const int maximumDigits = Length(std::to_string(graph.MaxTick()));
    layout.xAxisLeft = (graph.TickFontHeight() / 2) * maximumDigits + 50;
    layout.xAxisLine =
        graph.XTickAngle() == 0
            ? layout.usableHeight - 50
            : layout.usableHeight - (graph.SeriesFontHeight() / 2) * graph.XAxisLabelLength() - 15;
    layout.yAxisHeight = std::max(0, layout.xAxisLine - 40);
    layout.xAxisWidth = std::max(0, layout.usableWidth - layout.xAxisLeft - 5);

    layout.hasLegend = graph.LegendShown();
    if (layout.hasLegend) {
        LayOutLegend(graph, charWidth, layout);
        layout.xAxisWidth = std::max(0, layout.legend.frame.rect.left - layout.xAxisLeft - 10);
    }

    // Quadrants 2 to 4 only move the corner; what is drawn from it follows quadrant 1.
    layout.quadrant = QuadrantOf(graph);
    if (layout.quadrant == 2 || layout.quadrant == 4) {
        layout.xAxisLeft += layout.xAxisWidth / 2;
    }
    if (layout.quadrant == 3 || layout.quadrant == 4) {
        layout.xAxisLine -= layout.yAxisHeight / 2;
    }

    if (IsPie(graph.ChartType())) {
        return layout;
    }
    LayOutAxes(graph, BoldFont(layout.axisLabelFontHeight), charWidth, layout);
    if (graph.ChartType() == kChartBars && graph.Vertical()) {
        LayOutBars(graph, layout);
    }
    return layout;
}

}  // namespace tarvik
