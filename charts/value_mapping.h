#pragma once
// The straight mapping between a pixel span and a value span that the graph panel, its rulers,
// the zoom and the mouse tooltip share.
namespace tarvik {

class ValueMapping {
  public:
    // Pixels a value may map to: far outside any window, yet small enough for GDI to draw a
    // line towards.
    static constexpr int kPixelLimit = 1 << 26;

    ValueMapping(int pixelStart, int pixelEnd, double valueStart, double valueEnd);

    int pixelStart() const { return pixelStart_; }
    int pixelEnd() const { return pixelEnd_; }
    double valueStart() const { return valueStart_; }
    double valueEnd() const { return valueEnd_; }
    // Value per pixel; 0 when the pixel span is empty.
    double factor() const { return factor_; }

    // Truncated towards zero. A mapping that cannot tell values apart (an empty pixel or
    // value span) and a value that is not a number give the pixel start. Every pixel is held
    // within +-kPixelLimit, so callers can add margins without overflow.
    int PixelOf(double value) const;
    // The value start when both value ends are equal.
    double ValueOf(int pixel) const;

  private:
    int pixelStart_;
    int pixelEnd_;
    double valueStart_;
    double valueEnd_;
    double factor_;
};

}  // namespace tarvik
