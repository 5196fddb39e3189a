#include "widgets/button_layout.h"

#include <algorithm>

#include "widgets/button_colors.h"

namespace tarvik {

namespace {

PixelRect Moved(const PixelRect& rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace

ButtonLayout LayOutButton(const ButtonLayoutInput& input, const CaptionHeight& captionHeight) {
    ButtonLayout layout;
    // A raised button shows the focus, and the default, with a black frame around its edge.
    layout.frame = !input.flat && (input.focused || input.isDefault);
    const PixelRect rect = layout.frame ? Inset(input.bounds, 1, 1) : input.bounds;
    layout.face = rect;
    layout.focusRect = input.focused && (!input.flat || input.flatFocus);
    layout.focus = Inset(rect, kButtonFocusInset, kButtonFocusInset);

    const PixelRect content = Inset(rect, kButtonImageMargin, kButtonImageMargin);
    PixelRect captionArea = content;
    const int width = input.imageWidth;
    const int height = input.imageHeight;
    PixelPoint at;
    if (input.hasImage && !input.hasCaption) {
        at = {rect.left + (rect.Width() - width) / 2, rect.top + (rect.Height() - height) / 2};
    } else if (input.hasImage) {
        const int middle = content.top + (content.Height() - height) / 2;
        switch (input.align) {
            case kAlignImageAbove: {
                // Image and caption as one block, centred down; the caption under the image.
                const int text = captionHeight(content);
                const int top = content.top + std::max(0, (content.Height() - height - text) / 2);
                at = {content.left + (content.Width() - width) / 2, top};
                captionArea.top = top + height;
                captionArea.bottom = std::min(content.bottom, captionArea.top + text);
                break;
            }
            case kAlignImageRight:
                at = {content.right - width, middle};
                captionArea.right = at.x;
                break;
            default:  // left, and its alias
                at = {content.left, middle};
                captionArea.left = at.x + width;
                break;
        }
    }
    const int offset = input.pressed ? kButtonPressedOffset : 0;
    layout.image = {at.x + offset, at.y + offset};
    captionArea = Moved(captionArea, offset, offset);

    layout.caption = captionArea;
    if (input.hasCaption) {
        // Text is centred across when drawn; centre its wrapped height down here.
        const int text = captionHeight(captionArea);
        layout.caption.top = captionArea.top + (captionArea.Height() - text) / 2;
        layout.caption.bottom = layout.caption.top + text;
    }
    return layout;
}

}  // namespace tarvik
