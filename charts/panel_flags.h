#pragma once
// The graph panel's option bits, as the graph window's flag operations and the context menu
// read and set them.
namespace tarvik {

constexpr int kGrowAxesFlag = 0x01;  // the ranges grow to take in a new point
constexpr int kPointMarksFlag = 0x02;
constexpr int kTraceMouseFlag = 0x04;  // the coordinate tooltip
constexpr int kGridFlag = 0x08;        // "Axis"
constexpr int kScatterFlag = 0x10;     // marks only, no connecting lines
constexpr int kDefaultPanelFlags = kGrowAxesFlag | kPointMarksFlag | kGridFlag;

}  // namespace tarvik
