#pragma once
// The top of the Y axis that the "Line Graphs" dialog opens with: a round figure a little above
// the highest frame rate of the loaded results.
#include <vector>

#include "results/map_result.h"

namespace tarvik {

// The highest per-second rate of all the records' series, starting from 0.0.
double HighestSeriesValue(const std::vector<MapResult>& records);

// t = trunc(highest + 0.5), a = (t / 10) * 10, Y max = a + a / 6, all in integers: 95.4 gives
// 105. Values beyond +-kYTopInputLimit (infinities too) count as the limit and NaN as 0, so
// the integers cannot overflow.
constexpr double kYTopInputLimit = 1e9;
int LineGraphYTop(double highest);

}  // namespace tarvik
