#include "widgets/hscroll_extent.h"

#include <algorithm>

namespace tarvik {

int ItemExtent(int textWidth, bool tabStops) {
    return textWidth + (tabStops ? kTabbedItemMargin : kPlainItemMargin);
}

int ExtentAfterAdding(int currentExtent, int itemExtent) {
    return std::max(currentExtent, itemExtent);
}

int ExtentOverItems(const std::vector<int>& itemExtents) {
    int widest = 0;
    for (const int extent : itemExtents) {
        widest = std::max(widest, extent);
    }
    return widest;
}

}  // namespace tarvik
