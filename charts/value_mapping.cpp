#include "charts/value_mapping.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

ValueMapping::ValueMapping(int pixelStart, int pixelEnd, double valueStart, double valueEnd)
    : pixelStart_(pixelStart),
      pixelEnd_(pixelEnd),
      valueStart_(valueStart),
      valueEnd_(valueEnd),
      factor_(pixelStart == pixelEnd
                  ? 0.0
                  : (valueEnd - valueStart) / (static_cast<double>(pixelEnd) - pixelStart)) {}

int ValueMapping::PixelOf(double value) const {
    const double limit = kPixelLimit;
    if (factor_ == 0.0) {
        return static_cast<int>(std::clamp<double>(pixelStart_, -limit, limit));
    }
    double pixel = (value - valueStart_) / factor_ + pixelStart_;
    if (!std::isfinite(factor_)) {
        // Ends further apart than a double holds: interpolate with halved values instead.
        const double part = (value / 2 - valueStart_ / 2) / (valueEnd_ / 2 - valueStart_ / 2);
        pixel = part * (static_cast<double>(pixelEnd_) - pixelStart_) + pixelStart_;
    }
    if (std::isnan(pixel)) {
        pixel = pixelStart_;
    }
    return static_cast<int>(std::trunc(std::clamp(pixel, -limit, limit)));
}

double ValueMapping::ValueOf(int pixel) const {
    if (valueStart_ == valueEnd_) {
        return valueStart_;
    }
    const double offset = static_cast<double>(pixel) - pixelStart_;
    if (!std::isfinite(factor_) && pixelStart_ != pixelEnd_) {
        const double part = offset / (static_cast<double>(pixelEnd_) - pixelStart_);
        return valueStart_ * (1 - part) + valueEnd_ * part;
    }
    return offset * factor_ + valueStart_;
}

}  // namespace tarvik
