#include "widgets/button_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "widgets/button_colors.h"

namespace tarvik {

std::ostream& operator<<(std::ostream& out, const PixelRect& rect) {
    return out << "{" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom
               << "}";
}
std::ostream& operator<<(std::ostream& out, const PixelPoint& point) {
    return out << "(" << point.x << "," << point.y << ")";
}

namespace {

// A caption 50 pixels wide in lines 10 pixels high, wrapped onto as many lines as the width
// needs (the way DrawText measures it).
int FakeCaptionHeight(const PixelRect& area) {
    const int width = area.Width() > 0 ? area.Width() : 1;
    return 10 * ((50 + width - 1) / width);
}

enum Parts { kImage, kCaption, kBoth };
enum State { kRest, kPressed, kFramed };  // framed: raised and focused
constexpr int kLeft = kAlignImageLeft;
constexpr int kAbove = kAlignImageAbove;
constexpr int kRight = kAlignImageRight;
constexpr PixelRect kWide{0, 0, 120, 40};

struct PlacementCase {
    const char* what;
    PixelRect bounds;
    int align;
    Parts parts;
    State state;
    PixelPoint wantImage;
    PixelRect wantCaption;
};

TEST(LayOutButton, PlacesImageAndCaptionForEachAlignmentAndState) {
    // In kWide the content is the bounds less a 3-pixel margin, {3,3,117,37}; images are 16x16.
    const PlacementCase cases[] = {
        {"image alone in the middle", kWide, kLeft, kImage, kRest, {52, 12}, {3, 3, 117, 37}},
        {"image alone, pressed", kWide, kLeft, kImage, kPressed, {53, 13}, {4, 4, 118, 38}},
        {"image alone, framed", kWide, kLeft, kImage, kFramed, {52, 12}, {4, 4, 116, 36}},
        {"image over the edges", {0, 0, 10, 10}, kLeft, kImage, kRest, {-3, -3}, {3, 3, 7, 7}},
        {"left", kWide, kLeft, kBoth, kRest, {3, 12}, {19, 15, 117, 25}},
        {"left alias", kWide, kAlignImageLeftAlias, kBoth, kRest, {3, 12}, {19, 15, 117, 25}},
        {"left, pressed", kWide, kLeft, kBoth, kPressed, {4, 13}, {20, 16, 118, 26}},
        {"left, framed", kWide, kLeft, kBoth, kFramed, {4, 12}, {20, 15, 116, 25}},
        {"left, two lines", {0, 0, 60, 40}, kLeft, kBoth, kRest, {3, 12}, {19, 10, 57, 30}},
        {"left, moved bounds", {10, 20, 130, 60}, kLeft, kBoth, kRest, {13, 32}, {29, 35, 127, 45}},
        {"right", kWide, kRight, kBoth, kRest, {101, 12}, {3, 15, 101, 25}},
        {"right, pressed", kWide, kRight, kBoth, kPressed, {102, 13}, {4, 16, 102, 26}},
        // Image and caption are centred down as one block, the caption under the image.
        {"above", kWide, kAbove, kBoth, kRest, {52, 7}, {3, 23, 117, 33}},
        {"above, pressed", kWide, kAbove, kBoth, kPressed, {53, 8}, {4, 24, 118, 34}},
        // Content {3,3,37,37}: two lines (20) and the image (16) overflow its 34 pixels.
        {"above, too tall", {0, 0, 40, 40}, kAbove, kBoth, kRest, {12, 3}, {3, 18, 37, 38}},
        {"caption alone", kWide, kLeft, kCaption, kRest, {0, 0}, {3, 15, 117, 25}},
        {"caption alone, pressed", kWide, kRight, kCaption, kPressed, {1, 1}, {4, 16, 118, 26}},
    };
    for (const PlacementCase& c : cases) {
        ButtonLayoutInput input;
        input.bounds = c.bounds;
        input.flat = c.state != kFramed;
        input.focused = c.state == kFramed;
        input.pressed = c.state == kPressed;
        input.align = c.align;
        input.hasImage = c.parts != kCaption;
        input.imageWidth = input.hasImage ? 16 : 0;
        input.imageHeight = input.hasImage ? 16 : 0;
        input.hasCaption = c.parts != kImage;
        const ButtonLayout layout = LayOutButton(input, FakeCaptionHeight);
        EXPECT_EQ(layout.image, c.wantImage) << c.what;
        EXPECT_EQ(layout.caption, c.wantCaption) << c.what;
    }
}

struct FrameCase {
    const char* what;
    bool flat;
    bool flatFocus;
    bool focused;
    bool isDefault;
    bool wantFrame;
    bool wantFocusRect;
};

TEST(LayOutButton, FrameAndFocusRectangleFollowFlatnessFocusAndDefault) {
    const FrameCase cases[] = {
        {"raised at rest", false, false, false, false, false, false},
        {"raised focused", false, false, true, false, true, true},
        {"raised default", false, false, false, true, true, false},
        {"flat focused", true, false, true, false, false, false},
        {"flat focused with flat focus", true, true, true, false, false, true},
        {"flat default", true, false, false, true, false, false},
        {"flat focus asked for but not focused", true, true, false, false, false, false},
    };
    const PixelRect bounds{0, 0, 80, 30};
    for (const FrameCase& c : cases) {
        ButtonLayoutInput input;
        input.bounds = bounds;
        input.flat = c.flat;
        input.flatFocus = c.flatFocus;
        input.focused = c.focused;
        input.isDefault = c.isDefault;
        const ButtonLayout layout = LayOutButton(input, FakeCaptionHeight);
        EXPECT_EQ(layout.frame, c.wantFrame) << c.what;
        EXPECT_EQ(layout.focusRect, c.wantFocusRect) << c.what;
        // The frame takes the outermost pixels; face and focus rectangle move in with it.
        const int frame = c.wantFrame ? 1 : 0;
        EXPECT_EQ(layout.face, Inset(bounds, frame, frame)) << c.what;
        EXPECT_EQ(layout.focus, Inset(bounds, frame + 3, frame + 3)) << c.what;
    }
}

TEST(LayOutButton, MeasuresTheCaptionOnlyWhenThereIsOne) {
    int asked = 0;
    const auto counting = [&](const PixelRect& area) {
        ++asked;
        return FakeCaptionHeight(area);
    };
    ButtonLayoutInput input;
    input.bounds = {0, 0, 120, 40};
    input.align = kAlignImageAbove;
    input.hasImage = true;
    input.imageWidth = 16;
    input.imageHeight = 16;
    LayOutButton(input, counting);
    EXPECT_EQ(asked, 0);
    input.hasCaption = true;
    LayOutButton(input, counting);
    EXPECT_EQ(asked, 2) << "once for the block, once to centre the caption in its area";
}

}  // namespace
}  // namespace tarvik
