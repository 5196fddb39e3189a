#pragma once
// The bar chart's data: series of (group position, value) pairs, a colour per group, legend
// entries, title, axis labels and tick limits. CGraph only holds them; bar_layout.h turns them
// into the places where everything is drawn.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/color.h"

namespace tarvik {

// The chart types CGraph knows by number; only 0 (bars) is laid out here.
constexpr int kChartBars = 0;
bool IsKnownChartType(int chartType);

struct CGraphDataSet {
    int position = 0;  // the group the value belongs to
    int value = 0;
};

class CGraphSeries {
  public:
    void SetLabel(std::string label) { label_ = std::move(label); }
    const std::string& Label() const { return label_; }

    // Appends; a position given twice keeps both, and GetData finds the first.
    void SetData(int position, int value) { dataSets_.push_back({position, value}); }
    // The value of the first data set at the position, 0 when there is none.
    int GetData(int position) const;
    int Count() const { return static_cast<int>(dataSets_.size()); }
    const std::vector<CGraphDataSet>& DataSets() const { return dataSets_; }

  private:
    std::string label_;
    std::vector<CGraphDataSet> dataSets_;
};

struct CGraphDataColor {
    int position = 0;
    ColorValue color = 0;
};

struct CGraphLegendSet {
    int position = 0;  // the group whose colour the entry shows
    std::string label;
};

class CGraphLegend {
  public:
    void Add(int position, std::string label);
    const std::vector<CGraphLegendSet>& Entries() const { return entries_; }
    int LongestLabel() const { return longestLabel_; }

  private:
    std::vector<CGraphLegendSet> entries_;
    int longestLabel_ = 0;
};

class CGraph {
  public:
    explicit CGraph(int chartType);

    void SetGraphTitle(std::string title) { title_ = std::move(title); }
    // The number of ticks is (maximum - minimum) / step, one more when that leaves a rest.
    void SetTickLimits(int minimum, int maximum, int step);
    void SetXTickAngle(int degrees) { xTickAngle_ = degrees; }
    void SetXAxisLabel(std::string label) { xAxisLabel_ = std::move(label); }
    void SetYAxisLabel(std::string label) { yAxisLabel_ = std::move(label); }
    void SetGridLines(bool on) { gridLines_ = on; }
    void SetVertical(bool vertical) { vertical_ = vertical; }
    // Takes the series; the group count grows to its count when that is larger. The group
    // count is not revisited when data are added to the series afterwards.
    void AddSeries(std::unique_ptr<CGraphSeries> series);
    // Appends a group colour. Group g is drawn in the g-th colour appended, whatever
    // position that entry was given.
    void SetColor(int position, ColorValue color) { colors_.push_back({position, color}); }
    // Every type but 3 keeps a legend; the first entry turns it on.
    void SetLegend(int position, std::string label);

    int ChartType() const { return chartType_; }
    bool TypeGiven() const { return chartType_ != 0; }
    bool Vertical() const { return vertical_; }
    const std::string& Title() const { return title_; }
    const std::string& XAxisLabel() const { return xAxisLabel_; }
    const std::string& YAxisLabel() const { return yAxisLabel_; }
    int XAxisLabelLength() const { return static_cast<int>(xAxisLabel_.size()); }
    int YAxisLabelLength() const { return static_cast<int>(yAxisLabel_.size()); }
    int MinTick() const { return minTick_; }
    int MaxTick() const { return maxTick_; }
    int TickStep() const { return tickStep_; }
    int NumTicks() const { return numTicks_; }
    int XTickAngle() const { return xTickAngle_; }
    bool GridLines() const { return gridLines_; }
    int GroupCount() const { return groupCount_; }
    int TickFontHeight() const { return tickFontHeight_; }
    int SeriesFontHeight() const { return seriesFontHeight_; }
    int LegendFontHeight() const { return legendFontHeight_; }
    double DepthRatio() const { return depthRatio_; }

    const std::vector<std::unique_ptr<CGraphSeries>>& Series() const { return series_; }
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    const std::vector<CGraphDataColor>& Colors() const { return colors_; }
    // The colour of group g: the g-th entry appended, 0 when there is none.
    ColorValue ColorOfGroup(int group) const;
    bool LegendShown() const { return legendShown_; }
    const CGraphLegend& Legend() const { return legend_; }
    int LongestLegendLabel() const { return legend_.LongestLabel(); }

  private:
    int chartType_;
    bool vertical_ = true;
    std::vector<std::unique_ptr<CGraphSeries>> series_;
    std::vector<CGraphDataColor> colors_;
    CGraphLegend legend_;
    bool legendShown_ = false;
    std::string title_;
    std::string xAxisLabel_;
    std::string yAxisLabel_;
    int minTick_ = 0;
    int maxTick_ = 100;
    int tickStep_ = 10;
    int numTicks_ = 10;
    int groupCount_ = 0;
    int tickFontHeight_ = 12;
    int seriesFontHeight_ = 12;
    int legendFontHeight_ = 12;
    int xTickAngle_ = 0;
    bool gridLines_ = false;
    double depthRatio_ = 0.05;  // only the types drawn with depth faces use it
};

}  // namespace tarvik
