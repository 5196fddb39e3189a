#pragma once
// One description of how an image button looks: its picture, colours, alignment, flatness and
// tooltip. Pages describe their buttons with it and one function applies it, so buttons that
// should look alike cannot drift apart.
#include <string>
#include <vector>

#include "base/color.h"
#include "widgets/button_colors.h"

namespace tarvik {

enum class ButtonPictureKind { kNone, kIcon, kBitmap };

// A colour slot set to a colour.
struct SlotColor {
    ButtonColorSlot slot;
    ColorValue color;
};

// A colour slot moved lighter (or darker, below zero) by a shade; see OffsetColorValue.
struct SlotShade {
    ButtonColorSlot slot;
    int shade;
};

struct ButtonStyle {
    ButtonPictureKind picture = ButtonPictureKind::kNone;
    int pictureId = 0;                     // resource id of the icon or bitmap
    ColorValue transparent = kColorBlack;  // see-through colour of in and out bitmaps
    int outPicture = kIconNone;            // kIconNone, kIconGrey, kIconDarker or a resource id
    std::string tooltip;                   // none when empty
    std::vector<SlotColor> colors;         // set first,
    std::vector<SlotShade> shades;         // then shaded, so a shade applies to a colour set here
    int align = kAlignImageLeft;
    bool flat = true;
    bool flatFocus = false;
};

}  // namespace tarvik
