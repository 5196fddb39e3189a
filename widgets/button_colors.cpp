#include "widgets/button_colors.h"

#include <algorithm>
#include <cstddef>

namespace tarvik {

ColorValue OffsetColorValue(ColorValue color, int shade) {
    const int red = RedOf(color);
    const int green = GreenOf(color);
    const int blue = BlueOf(color);
    int applied = shade;
    if (shade > 0) {
        applied = std::min(shade, 255 - std::max({red, green, blue}));
    } else if (shade < 0) {
        applied = std::max(shade, -std::min({red, green, blue}));
    }
    return MakeColorValue(red + applied, green + applied, blue + applied);
}

int BackgroundSlot(bool highlighted, bool focused) {
    if (highlighted) {
        return kColorBackgroundIn;
    }
    return focused ? kColorBackgroundFocus : kColorBackgroundOut;
}

int CaptionSlot(bool highlighted, bool focused) {
    if (highlighted) {
        return kColorForegroundIn;
    }
    return focused ? kColorForegroundFocus : kColorForegroundOut;
}

int GreyLevel(int red, int green, int blue) {
    // Luma weights in 1/256ths; they sum to 256, so the result never exceeds the brightest
    // channel.
    return (red * 77 + green * 150 + blue * 29) >> 8;
}

int DarkerLevel(int channel) {
    return channel * 3 / 4;
}

ButtonColors::ButtonColors(ColorValue face, ColorValue text) {
    for (int index = 0; index < kButtonColorCount; ++index) {
        slots_[static_cast<std::size_t>(index)] = index % 2 == 0 ? face : text;
    }
}

int ButtonColors::Set(int index, ColorValue color) {
    if (!IsValidColorSlot(index)) {
        return kButtonBadColorIndex;
    }
    slots_[static_cast<std::size_t>(index)] = color;
    return kButtonOk;
}

int ButtonColors::Offset(int index, int shade) {
    if (!IsValidColorSlot(index)) {
        return kButtonBadColorIndex;
    }
    if (!IsValidShadeOffset(shade)) {
        return kButtonBadShade;
    }
    auto& slot = slots_[static_cast<std::size_t>(index)];
    slot = OffsetColorValue(slot, shade);
    return kButtonOk;
}

ColorValue ButtonColors::Get(int index) const {
    return IsValidColorSlot(index) ? slots_[static_cast<std::size_t>(index)] : kInvalidColorValue;
}

}  // namespace tarvik
