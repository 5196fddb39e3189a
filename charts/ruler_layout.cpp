#include "charts/ruler_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/format.h"

namespace tarvik {
namespace {

// Keeps a label's span inside an int whatever a measuring callback answers.
constexpr int kWidestText = 1 << 20;

}  // namespace

int InchesToPixels(double inches, int pixelsPerInch) {
    return std::max(1, static_cast<int>(std::trunc(inches * pixelsPerInch)));
}

int RulerThickness(int pixelsPerInch) {
    return InchesToPixels(1.0 / 6.0, pixelsPerInch);
}

int RulerLabelFontHeight(int pixelsPerInch) {
    return InchesToPixels(1.0 / 6.0 * 0.8849557522123894, pixelsPerInch);
}

int RulerTickLength(int pixelsPerInch) {
    return InchesToPixels(1.0 / 24.0, pixelsPerInch);
}

int RulerIntervals(int rulerLength, int rulerThickness, int sampleWidth) {
    const long long room = static_cast<long long>(rulerLength) - rulerThickness;
    if (room <= 0) {
        return 0;
    }
    const long long width = std::max(sampleWidth, 1);
    return static_cast<int>((room + width - 1) / width);
}

std::string EndAreaSample(const std::string& unit) {
    return unit + "-10";
}

std::string EndLabelText(const std::string& unit, int exponent) {
    if (exponent == 0) {
        return unit;
    }
    return unit + "*" + Format("%d", exponent);
}

std::string RulerLabelText(const Tick& tick) {
    return Format("%.1f", tick.scaled);
}

std::string RulerTooltipText(const std::string& title, const std::string& unit) {
    return title + ", " + unit;
}

bool Overlap(PixelSpan a, PixelSpan b) {
    return a.begin < b.end && b.begin < a.end;
}

PixelSpan EndAreaBefore(int rulerLength, int endSampleWidth) {
    const long long begin =
        static_cast<long long>(rulerLength) - std::clamp(endSampleWidth, 0, kWidestText);
    return {static_cast<int>(std::max<long long>(begin, std::numeric_limits<int>::min())),
            rulerLength};
}

std::vector<RulerLabel> RulerLabelsToDraw(const TickSet& ticks, PixelSpan endArea,
                                          const MeasureText& measure) {
    std::vector<RulerLabel> labels;
    for (const Tick& tick : ticks.ticks) {
        std::string text = RulerLabelText(tick);
        const int width = std::clamp(measure(text), 0, kWidestText);
        const int begin = tick.pixel - width / 2;
        const PixelSpan span{begin, begin + width};
        if (Overlap(span, endArea) || (!labels.empty() && Overlap(span, labels.back().span))) {
            continue;
        }
        labels.push_back({std::move(text), tick.pixel, span});
    }
    return labels;
}

std::vector<int> MinorTickPixels(const TickSet& ticks) {
    std::vector<int> pixels;
    for (std::size_t i = 1; i < ticks.ticks.size(); ++i) {
        const int a = ticks.ticks[i - 1].pixel;
        const int b = ticks.ticks[i].pixel;
        if (a != b) {
            pixels.push_back(static_cast<int>((static_cast<long long>(a) + b) / 2));
        }
    }
    return pixels;
}

}  // namespace tarvik
