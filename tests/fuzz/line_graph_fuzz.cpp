// Any ranges, pixel spans and interval counts through the line graph's arithmetic: NaN,
// infinities, huge and tiny spans and equal ends must neither hang nor crash, ticks stay in
// their range and in walking order, drawn ruler labels never overlap, and points keep their
// order and bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "charts/axis_format.h"
#include "charts/graph_fit.h"
#include "charts/graph_pixels.h"
#include "charts/new_point_drawing.h"
#include "charts/ruler_layout.h"
#include "charts/ticks.h"
#include "charts/y_top.h"

namespace {

using namespace tarvik;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Doubles of every kind: the awkward ones often, any bit pattern sometimes.
double TakeDouble(FuzzedDataProvider& input) {
    static constexpr double kAwkward[] = {
        0.0,      -0.0,      std::numeric_limits<double>::quiet_NaN(),
        INFINITY, -INFINITY, DBL_MAX,
        -DBL_MAX, DBL_MIN,   std::numeric_limits<double>::denorm_min(),
        1e-300,   1e300,     0.1,
        0.2,      10.0,      100.0,
        105.0,    -4e15,     1000.0,
    };
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        case 1:
            return input.PickValueInArray(kAwkward);
        case 2:
            return input.ConsumeFloatingPointInRange(-1e6, 1e6);
        default:
            return input.ConsumeIntegralInRange(-1000, 1000) / 8.0;
    }
}

int TakePixel(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-4000, 4000)
                               : input.ConsumeIntegral<int>();
}

void CheckTicks(const ValueMapping& mapping, int intervals) {
    const TickSet set = ComputeTicks(mapping, intervals);
    Check(set.ticks.size() <= static_cast<std::size_t>(kMaxTicks));
    const double start = mapping.valueStart();
    const double end = mapping.valueEnd();
    if (!std::isfinite(start) || !std::isfinite(end)) {
        Check(set.ticks.empty());
        return;
    }
    const double low = std::min(start, end);
    const double high = std::max(start, end);
    // Scaling there and back may move a value by a few units in the last place.
    const double slack = std::max(std::fabs(low), std::fabs(high)) * 1e-12 +
                         4 * std::numeric_limits<double>::denorm_min();
    for (std::size_t i = 0; i < set.ticks.size(); ++i) {
        const Tick& tick = set.ticks[i];
        Check(std::isfinite(tick.value) && std::isfinite(tick.scaled));
        Check(tick.value >= low - slack && tick.value <= high + slack);
        Check(std::abs(tick.pixel) <= ValueMapping::kPixelLimit);
        if (i > 0 && start != end) {
            const double previous = set.ticks[i - 1].scaled;
            Check(end > start ? tick.scaled > previous : tick.scaled < previous);
        }
    }

    const int charWidth = (intervals & 0xF) - 2;  // negative widths too
    const MeasureText measure = [charWidth](const std::string& text) {
        return charWidth * static_cast<int>(text.size());
    };
    const PixelSpan endArea = EndAreaBefore(mapping.pixelEnd(), charWidth * 3);
    const std::vector<RulerLabel> labels = RulerLabelsToDraw(set, endArea, measure);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        Check(!Overlap(labels[i].span, endArea));
        if (i > 0) {
            Check(!Overlap(labels[i].span, labels[i - 1].span));
        }
    }
    MinorTickPixels(set);
    EndLabelText("u", set.exponent);
}

void CheckPoints(FuzzedDataProvider& input, const ValueMapping& x, const ValueMapping& y) {
    CPointsCollection points(input.ConsumeBool(), input.ConsumeBool());
    const bool redraw = input.ConsumeBool();
    const int operations = input.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < operations; ++i) {
        const int choice = input.ConsumeIntegralInRange(0, 3);
        const int position = input.ConsumeIntegralInRange(-2, points.GetCount() + 1);
        if (choice == 0) {
            points.RemovePoint(position);
        } else if (choice == 1) {
            points.EditPoint(position, TakeDouble(input), TakeDouble(input), redraw);
        } else {
            const int at = points.AddPoint(TakeDouble(input), TakeDouble(input), redraw, position);
            Check(at >= -1 && at < points.GetCount());
        }
    }
    for (int i = 0; i < points.GetCount(); ++i) {
        const GraphPoint& point = points.GetPoint(i);
        Check(std::isfinite(point.x) && std::isfinite(point.y));
        Check(point.x >= points.minX() && point.x <= points.maxX());
        Check(point.y >= points.minY() && point.y <= points.maxY());
        if (points.sorted() && i > 0) {
            Check(points.GetPoint(i - 1).x <= point.x);
            Check(points.keepDuplicates() || points.GetPoint(i - 1).x < point.x);
        }
    }
    GraphPixels(points, x, y);

    VisibleBounds bounds;
    bounds.Add(points, true);
    if (bounds.box()) {
        const GraphRange fitted = FittedRange(FitKind::Page, {}, *bounds.box());
        Check(fitted.x.min < fitted.x.max && fitted.y.min < fitted.y.max);
    }
    if (points.GetCount() > 0) {
        NewPointContext context;
        context.panelFlags = input.ConsumeIntegralInRange(0, 0x1F);
        context.redraw = input.ConsumeBool();
        context.range = {{x.valueStart(), x.valueEnd()}, {y.valueEnd(), y.valueStart()}};
        context.panel = {x.pixelStart(), y.pixelEnd(), x.pixelEnd(), y.pixelStart()};
        context.markHalfSize = MarkHalfSize(input.ConsumeIntegralInRange(0, 600));
        PlanNewPoint(points, input.ConsumeIntegralInRange(0, points.GetCount() - 1), context);
    }
}

void CheckAxisText(FuzzedDataProvider& input) {
    std::string title = input.ConsumeRandomLengthString(40);
    std::string unit = input.ConsumeRandomLengthString(40);
    title.erase(std::remove(title.begin(), title.end(), '\0'), title.end());
    unit.erase(std::remove(unit.begin(), unit.end(), '\0'), unit.end());
    AxisProperties axis;
    axis.Set(title, unit, input.ConsumeIntegral<int>());
    const double value = TakeDouble(input);
    // Whatever the title and unit hold, they come out as typed around the number.
    const std::string text = axis.FormatAxisOutput(value, 2);
    Check(text.compare(0, title.size() + 2, title + ": ") == 0);
    Check(text.size() >= unit.size() &&
          text.compare(text.size() - unit.size(), unit.size(), unit) == 0);
    Check(axis.FormatAxisOutput(value, input.ConsumeIntegral<int>() | 4).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int pixelStart = TakePixel(input);
    const int pixelEnd = TakePixel(input);
    const double start = TakeDouble(input);
    const double end = TakeDouble(input);
    const int intervals =
        input.ConsumeBool() ? input.ConsumeIntegralInRange(-5, 200) : input.ConsumeIntegral<int>();

    const ValueMapping mapping(pixelStart, pixelEnd, start, end);
    const int pixel = mapping.PixelOf(TakeDouble(input));
    Check(std::abs(pixel) <= ValueMapping::kPixelLimit);
    mapping.ValueOf(TakePixel(input));
    CheckTicks(mapping, intervals);

    GraphRange range{{start, end}, {TakeDouble(input), TakeDouble(input)}};
    GrowToTakeIn(range, TakeDouble(input), TakeDouble(input));
    const ValueMapping y(pixelEnd, pixelStart, range.y.min, range.y.max);
    PannedRange(range, mapping, y, {TakePixel(input), TakePixel(input)},
                {TakePixel(input), TakePixel(input)});
    CheckPoints(input, mapping, y);

    LineGraphYTop(TakeDouble(input));
    RulerIntervals(TakePixel(input), TakePixel(input), TakePixel(input));
    CheckAxisText(input);
    return 0;
}
