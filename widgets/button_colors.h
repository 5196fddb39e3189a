#pragma once
// Colour rules of the image push button, free of any window: the six colour slots, which slot
// paints which state, shade offsets, and the pixel arithmetic of the grey and darker image copies.
#include <array>

#include "base/color.h"

namespace tarvik {

enum ButtonColorSlot {
    kColorBackgroundIn = 0,  // mouse over or pressed
    kColorForegroundIn = 1,
    kColorBackgroundOut = 2,  // neither over, pressed nor focused
    kColorForegroundOut = 3,
    kColorBackgroundFocus = 4,
    kColorForegroundFocus = 5,
};
constexpr int kButtonColorCount = 6;

// Image placement beside the caption. 3 is accepted and placed like 0.
enum ButtonAlign {
    kAlignImageLeft = 0,
    kAlignImageAbove = 1,
    kAlignImageRight = 2,
    kAlignImageLeftAlias = 3,
};

// Out-state image for SetIcon and SetBitmaps; a positive value is a resource id instead.
constexpr int kIconNone = 0;     // the in image shows in both states
constexpr int kIconGrey = -2;    // a grey copy of the in image
constexpr int kIconDarker = -3;  // a darker copy of the in image

// Results of the button's setters.
constexpr int kButtonOk = 0;
constexpr int kButtonBadColorIndex = 3;
constexpr int kButtonBadAlign = 4;
constexpr int kButtonBadShade = 5;

constexpr int kMaxShadeOffset = 255;

constexpr bool IsValidColorSlot(int index) {
    return index >= 0 && index < kButtonColorCount;
}
constexpr bool IsValidAlign(int align) {
    return align >= kAlignImageLeft && align <= kAlignImageLeftAlias;
}
constexpr bool IsValidShadeOffset(int shade) {
    return shade >= -kMaxShadeOffset && shade <= kMaxShadeOffset;
}

// Adds shade to red, green and blue alike. The offset is cut to what the channel nearest its
// limit allows, so the channels keep their differences instead of being clipped one by one.
ColorValue OffsetColorValue(ColorValue color, int shade);

// The fill and caption slots for a state. "Highlighted" is mouse over or pressed.
int BackgroundSlot(bool highlighted, bool focused);
int CaptionSlot(bool highlighted, bool focused);

// Per-channel arithmetic of the out-state image copies (0..255 in, 0..255 out). Both never make
// a channel brighter, so premultiplied alpha stays valid.
int GreyLevel(int red, int green, int blue);
int DarkerLevel(int channel);

// The six colours of one button.
class ButtonColors {
  public:
    // Even slots start as the face colour, odd slots as the text colour.
    ButtonColors(ColorValue face, ColorValue text);

    int Set(int index, ColorValue color);  // kButtonBadColorIndex, else kButtonOk
    int Offset(int index, int shade);      // kButtonBadColorIndex, kButtonBadShade, kButtonOk
    ColorValue Get(int index) const;       // kInvalidColorValue for a bad index

  private:
    std::array<ColorValue, kButtonColorCount> slots_;
};

}  // namespace tarvik
