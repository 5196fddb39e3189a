#include "widgets/button_looks.h"

#include <utility>

namespace tarvik {

namespace {

ButtonStyle IconStyle(int icon, std::string tooltip) {
    ButtonStyle style;
    style.picture = ButtonPictureKind::kIcon;
    style.pictureId = icon;
    style.tooltip = std::move(tooltip);
    style.shades = {{kColorBackgroundIn, kPressedShade}};
    return style;
}

}  // namespace

ButtonStyle RaisedIconLook(int icon, std::string tooltip) {
    ButtonStyle style = IconStyle(icon, std::move(tooltip));
    style.flat = false;
    return style;
}

ButtonStyle TwoToneIconLook(int icon, std::string tooltip, ColorValue restCaption) {
    ButtonStyle style = RaisedIconLook(icon, std::move(tooltip));
    style.colors = {{kColorForegroundIn, kColorDarkRed},
                    {kColorForegroundOut, restCaption},
                    {kColorForegroundFocus, restCaption}};
    return style;
}

ButtonStyle BenchmarkButtonLook(int icon, std::string tooltip) {
    return TwoToneIconLook(icon, std::move(tooltip), kColorGreen);
}

ButtonStyle ExitButtonLook(int icon, std::string tooltip) {
    ButtonStyle style = IconStyle(icon, std::move(tooltip));
    style.outPicture = kIconGrey;
    style.colors = {{kColorForegroundIn, kColorDarkRed}};
    return style;
}

ButtonStyle TitleBarButtonLook(int bitmap, std::string tooltip) {
    ButtonStyle style;
    style.picture = ButtonPictureKind::kBitmap;
    style.pictureId = bitmap;
    style.transparent = kColorBlack;
    style.tooltip = std::move(tooltip);
    return style;
}

}  // namespace tarvik
