#pragma once
// Where the ticks of an axis fall: the grid lines of the graph panel and the marks and labels
// of its rulers. Steps follow the 1-2-5 series in a common decimal exponent, so the rulers can
// label every tick with one decimal and show the exponent once.
#include <vector>

#include "charts/value_mapping.h"

namespace tarvik {

struct Tick {
    int pixel = 0;
    double value = 0.0;   // scaled x 10^exponent
    double scaled = 0.0;  // what a ruler label shows
};

struct TickSet {
    int exponent = 0;
    double step = 0.0;  // in scaled units; 0 when the ends are equal
    std::vector<Tick> ticks;
};

// More ticks than any screen can show apart; also the bound of the walk.
constexpr int kMaxTicks = 10000;

// 0 for 0; the truncated log10 from 1 up; below 1, -trunc(|log10| + 1): 0.5 gives -1 and 0.05
// gives -2. 0 for values that are not finite numbers.
int DecimalExponent(double value);

// The ticks between the mapping's value start and value end for the wanted number of
// intervals, walking from the start towards the end. Ends that are not finite numbers give
// no ticks; equal ends give `intervals` ticks at the start value.
TickSet ComputeTicks(const ValueMapping& mapping, int intervals);

}  // namespace tarvik
