#include "charts/axis_format.h"

#include <algorithm>

#include "base/format.h"

namespace tarvik {
namespace {

// A '%' typed into a title or unit would otherwise become a conversion reading an argument
// that is not there.
std::string EscapedForPattern(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        escaped += c;
        if (c == '%') {
            escaped += '%';
        }
    }
    return escaped;
}

}  // namespace

AxisProperties::AxisProperties() {
    Rebuild();
}

void AxisProperties::Set(const std::string& title, const std::string& unit, int precision) {
    title_ = title;
    unit_ = unit;
    precision_ = std::clamp(precision, 0, kMaxPrecision);
    Rebuild();
}

void AxisProperties::SetTitle(const std::string& title) {
    Set(title, unit_, precision_);
}

void AxisProperties::SetUnit(const std::string& unit) {
    Set(title_, unit, precision_);
}

void AxisProperties::SetPrecision(int precision) {
    Set(title_, unit_, precision);
}

const std::string& AxisProperties::Pattern(int formatIndex) const {
    static const std::string kNone;
    if (formatIndex < 0 || formatIndex >= static_cast<int>(patterns_.size())) {
        return kNone;
    }
    return patterns_[static_cast<std::size_t>(formatIndex)];
}

std::string AxisProperties::FormatAxisOutput(double value, int formatIndex) const {
    const std::string& pattern = Pattern(formatIndex);
    if (pattern.empty()) {
        return {};
    }
    return Format(pattern.c_str(), value);
}

void AxisProperties::Rebuild() {
    const std::string title = EscapedForPattern(title_);
    const std::string unit = EscapedForPattern(unit_);
    patterns_[0] = Format("%%0.%df", precision_);
    patterns_[1] = Format("%%0.%df %s", precision_, unit.c_str());
    patterns_[2] = Format("%s: %%0.%df %s", title.c_str(), precision_, unit.c_str());
}

}  // namespace tarvik
