#include "charts/ticks.h"

#include <algorithm>
#include <cmath>

namespace tarvik {
namespace {

// value x 10^power. Exact powers of ten are multiplied or divided by, so 0.004 scaled by 10^3
// is 4 exactly; powers beyond a double's range go in two halves.
double TimesPowerOfTen(double value, int power) {
    if (power > 300 || power < -300) {
        const int half = power / 2;
        return TimesPowerOfTen(TimesPowerOfTen(value, half), power - half);
    }
    return power >= 0 ? value * std::pow(10.0, power) : value / std::pow(10.0, -power);
}

// The first step of the 1-2-5 series that is not below the wanted one.
double StepNotBelow(double wanted) {
    for (const double step : {static_cast<double>(0.1f), static_cast<double>(0.2f), 0.5}) {
        if (!(step < wanted)) {
            return step;
        }
    }
    for (double decade = 1.0;; decade *= 10.0) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (!(factor * decade < wanted)) {
                return factor * decade;
            }
        }
    }
}

// Enough to reach a difference of 0.2 from any two distinct doubles.
constexpr int kMaxRescales = 400;

}  // namespace

int DecimalExponent(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || !std::isfinite(magnitude)) {
        return 0;
    }
    const double logarithm = std::log10(magnitude);
    if (magnitude >= 1.0) {
        return static_cast<int>(std::trunc(logarithm));
    }
    return -static_cast<int>(std::trunc(std::fabs(logarithm) + 1.0));
}

TickSet ComputeTicks(const ValueMapping& mapping, int intervals) {
    TickSet result;
    const double start = mapping.valueStart();
    const double end = mapping.valueEnd();
    if (!std::isfinite(start) || !std::isfinite(end)) {
        return result;
    }
    int exponent = DecimalExponent(std::fabs(start) >= std::fabs(end) ? start : end);
    result.exponent = exponent;
    if (start == end) {
        const Tick tick{mapping.PixelOf(start), start, TimesPowerOfTen(start, -exponent)};
        result.ticks.assign(static_cast<std::size_t>(std::clamp(intervals, 0, kMaxTicks)), tick);
        return result;
    }

    double low = TimesPowerOfTen(start, -exponent);
    double high = TimesPowerOfTen(end, -exponent);
    for (int i = 0; i < kMaxRescales && std::fabs(low - high) < 0.2 && low < 100 && high < 100;
         ++i) {
        --exponent;
        low = TimesPowerOfTen(start, -exponent);
        high = TimesPowerOfTen(end, -exponent);
    }
    result.exponent = exponent;
    // low and high are the scaled start and end from here on, in that order.
    const double span = std::fabs(low - high);
    const double step = intervals == 0 ? static_cast<double>(0.1f) : StepNotBelow(span / intervals);
    result.step = step;
    if (span < step) {
        return result;
    }

    const double bottom = std::min(low, high);
    const double top = std::max(low, high);
    const double k = std::trunc(low / step);
    bool found = false;
    double first = 0.0;
    for (int i = -2; i <= 2; ++i) {
        const double multiple = (k + i) * step;
        if (multiple >= bottom && multiple <= top &&
            (!found || std::fabs(multiple - low) < std::fabs(first - low))) {
            first = multiple;
            found = true;
        }
    }
    if (!found) {
        return result;
    }

    const double stride = high > low ? step : -step;
    for (double scaled = first; scaled >= bottom && scaled <= top;) {
        const double value = TimesPowerOfTen(scaled, exponent);
        result.ticks.push_back({mapping.PixelOf(value), value, scaled});
        const double next = scaled + stride;
        if (next == scaled || static_cast<int>(result.ticks.size()) >= kMaxTicks) {
            break;  // a step lost in the size of the values cannot walk anywhere
        }
        scaled = next;
    }
    return result;
}

}  // namespace tarvik
