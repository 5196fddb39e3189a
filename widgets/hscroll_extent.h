#pragma once
// The horizontal scroll extent of a list box that keeps its widest item reachable: each item
// needs its measured text width and a small margin, and the box needs its widest item.
#include <vector>

namespace tarvik {

// Margins past the measured text: plain text, or text expanded at the list's tab stops.
constexpr int kPlainItemMargin = 3;
constexpr int kTabbedItemMargin = 2;

// The extent one item needs, from its measured width in pixels.
int ItemExtent(int textWidth, bool tabStops);

// The extent after adding or inserting an item: only ever wider.
int ExtentAfterAdding(int currentExtent, int itemExtent);

// The extent over every item, after a delete or a listing; 0 for an empty list.
int ExtentOverItems(const std::vector<int>& itemExtents);

}  // namespace tarvik
