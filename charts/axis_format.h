#pragma once
// The properties of one graph axis (title, unit, precision) and the three printf patterns
// that show a value of that axis: in the point list, the mouse tooltip and the rulers.
#include <array>
#include <string>

namespace tarvik {

class AxisProperties {
  public:
    static constexpr int kDefaultPrecision = 3;
    // Precisions are kept inside what printf takes and what a label can show.
    static constexpr int kMaxPrecision = 99;

    AxisProperties();

    // Stores all three and rebuilds the patterns.
    void Set(const std::string& title, const std::string& unit, int precision);
    void SetTitle(const std::string& title);
    void SetUnit(const std::string& unit);
    void SetPrecision(int precision);

    const std::string& title() const { return title_; }
    const std::string& unit() const { return unit_; }
    int precision() const { return precision_; }

    // Pattern 0: the number; 1: the number, a space, the unit; 2: the title, ": ", the
    // number, a space, the unit. Any other index gives an empty text.
    const std::string& Pattern(int formatIndex) const;
    std::string FormatAxisOutput(double value, int formatIndex) const;

  private:
    void Rebuild();

    std::string title_;
    std::string unit_;
    int precision_ = kDefaultPrecision;
    std::array<std::string, 3> patterns_;
};

}  // namespace tarvik
