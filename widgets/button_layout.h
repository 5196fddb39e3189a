#pragma once
// Where an image button draws its parts: frame, face, image, caption and focus rectangle for
// each alignment and state, free of any window. The button only paints what this computes.
#include <functional>

#include "base/geometry.h"

namespace tarvik {

constexpr int kButtonImageMargin = 3;    // between the border and the image
constexpr int kButtonFocusInset = 3;     // focus rectangle inside the border
constexpr int kButtonPressedOffset = 1;  // image and caption move this far while pressed

struct ButtonLayoutInput {
    PixelRect bounds{0, 0, 0, 0};
    bool flat = true;
    bool flatFocus = false;
    bool focused = false;
    bool isDefault = false;
    bool pressed = false;
    int align = 0;  // a ButtonAlign
    bool hasImage = false;
    int imageWidth = 0;
    int imageHeight = 0;
    bool hasCaption = false;
};

// The height of the caption when it is wrapped to the width of the area.
using CaptionHeight = std::function<int(const PixelRect& area)>;

struct ButtonLayout {
    bool frame = false;             // a black frame on the outermost pixels
    PixelRect face{0, 0, 0, 0};     // filled with the background colour, edged when raised
    PixelPoint image;               // the image's top-left corner
    PixelRect caption{0, 0, 0, 0};  // the caption's lines, each centred across
    bool focusRect = false;
    PixelRect focus{0, 0, 0, 0};
};

// captionHeight is asked only when there is a caption.
ButtonLayout LayOutButton(const ButtonLayoutInput& input, const CaptionHeight& captionHeight);

}  // namespace tarvik
