#include "charts/y_top.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

double HighestSeriesValue(const std::vector<MapResult>& records) {
    double highest = 0.0;
    for (const MapResult& record : records) {
        for (const float value : record.perSecondFps) {
            if (value > highest) {
                highest = value;
            }
        }
    }
    return highest;
}

int LineGraphYTop(double highest) {
    if (std::isnan(highest)) {
        highest = 0.0;
    }
    highest = std::clamp(highest, -kYTopInputLimit, kYTopInputLimit);
    const int t = static_cast<int>(std::trunc(highest + 0.5));
    const int a = (t / 10) * 10;
    return a + a / 6;
}

}  // namespace tarvik
