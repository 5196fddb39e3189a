#include "widgets/win32/button_style.h"

namespace tarvik {

namespace {

bool LoadPicture(CButtonST& button, const ButtonStyle& style) {
    switch (style.picture) {
        case ButtonPictureKind::kIcon:
            return button.SetIcon(style.pictureId, style.outPicture);
        case ButtonPictureKind::kBitmap:
            return button.SetBitmaps(style.pictureId, style.transparent, style.outPicture,
                                     style.transparent);
        case ButtonPictureKind::kNone:
            break;
    }
    return true;
}

}  // namespace

bool StyleButton(CButtonST& button, int controlId, HWND dialog, const ButtonStyle& style) {
    HWND control = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    bool bound = control && button.Handle() == control;
    if (!bound) {
        bound = button.SubclassDlgItem(controlId, dialog);
    }
    button.SetFlat(style.flat);
    button.SetFlatFocus(style.flatFocus);
    button.SetAlign(style.align);
    for (const SlotColor& change : style.colors) {
        button.SetColor(change.slot, change.color);
    }
    for (const SlotShade& change : style.shades) {
        button.OffsetColor(change.slot, change.shade);
    }
    const bool loaded = LoadPicture(button, style);
    if (!style.tooltip.empty()) {
        button.SetTooltipText(style.tooltip);
    }
    return bound && loaded;
}

}  // namespace tarvik
