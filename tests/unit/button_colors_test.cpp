#include "widgets/button_colors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvik {
namespace {

struct OffsetCase {
    int red, green, blue;
    int shade;
    int wantRed, wantGreen, wantBlue;
};

TEST(OffsetColorValue, KeepsChannelDifferencesAndStopsAtTheNearestLimit) {
    const OffsetCase cases[] = {
        {212, 208, 200, 30, 242, 238, 230},  // a classic button face, lightened
        {240, 100, 50, 30, 255, 115, 65},    // cut to 15 by the red channel
        {240, 240, 240, 30, 255, 255, 255},  // cut to 15 for all three
        {100, 120, 140, -30, 70, 90, 110},   // darker, room to spare
        {10, 50, 200, -30, 0, 40, 190},      // cut to -10 by the red channel
        {255, 0, 128, 40, 255, 0, 128},      // a channel at 255: nothing left to add
        {255, 0, 128, -40, 255, 0, 128},     // a channel at 0: nothing left to take
        {0, 0, 0, 255, 255, 255, 255},       // full range up
        {255, 255, 255, -255, 0, 0, 0},      // full range down
        {12, 34, 56, 0, 12, 34, 56},         // no offset
    };
    for (const auto& c : cases) {
        const ColorValue got = OffsetColorValue(MakeColorValue(c.red, c.green, c.blue), c.shade);
        EXPECT_EQ(got, MakeColorValue(c.wantRed, c.wantGreen, c.wantBlue))
            << "RGB(" << c.red << "," << c.green << "," << c.blue << ") by " << c.shade
            << " gave RGB(" << RedOf(got) << "," << GreenOf(got) << "," << BlueOf(got) << ")";
    }
}

TEST(OffsetColorValue, ChannelsStayInTheByteForEveryOffset) {
    const ColorValue color = MakeColorValue(3, 128, 250);
    for (int shade = -kMaxShadeOffset; shade <= kMaxShadeOffset; ++shade) {
        const ColorValue got = OffsetColorValue(color, shade);
        EXPECT_EQ(got & 0xFF000000u, 0u) << shade;
        // Equal steps on every channel: the relation between them survives.
        EXPECT_EQ(GreenOf(got) - RedOf(got), 125) << shade;
        EXPECT_EQ(BlueOf(got) - GreenOf(got), 122) << shade;
    }
}

TEST(ButtonColors, EvenSlotsStartAsFaceOddSlotsAsText) {
    const ColorValue face = MakeColorValue(240, 240, 240);
    const ColorValue text = MakeColorValue(0, 0, 0);
    const ButtonColors colors(face, text);
    for (int index = 0; index < kButtonColorCount; ++index) {
        EXPECT_EQ(colors.Get(index), index % 2 == 0 ? face : text) << index;
    }
}

struct SetterCase {
    const char* what;
    int index;
    int shade;  // unused by SetColor
    int wantSetResult;
    int wantOffsetResult;
};

TEST(ButtonColors, BadIndexOrShadeIsRefusedAndChangesNothing) {
    const SetterCase cases[] = {
        {"first slot", 0, 30, kButtonOk, kButtonOk},
        {"last slot", 5, -255, kButtonOk, kButtonOk},
        {"one past the last slot", 6, 30, kButtonBadColorIndex, kButtonBadColorIndex},
        {"negative index", -1, 30, kButtonBadColorIndex, kButtonBadColorIndex},
        {"shade above 255", 2, 256, kButtonOk, kButtonBadShade},
        {"shade below -255", 2, -256, kButtonOk, kButtonBadShade},
        {"bad index wins over bad shade", 9, 999, kButtonBadColorIndex, kButtonBadColorIndex},
    };
    const ColorValue face = MakeColorValue(100, 100, 100);
    const ColorValue text = MakeColorValue(10, 20, 30);
    const ColorValue newColor = MakeColorValue(1, 2, 3);
    for (const auto& c : cases) {
        ButtonColors colors(face, text);
        EXPECT_EQ(colors.Set(c.index, newColor), c.wantSetResult) << c.what;
        ButtonColors offset(face, text);
        EXPECT_EQ(offset.Offset(c.index, c.shade), c.wantOffsetResult) << c.what;
        for (int index = 0; index < kButtonColorCount; ++index) {
            const ColorValue before = index % 2 == 0 ? face : text;
            const bool setHere = c.wantSetResult == kButtonOk && index == c.index;
            EXPECT_EQ(colors.Get(index), setHere ? newColor : before)
                << c.what << " slot " << index;
            const bool offsetHere = c.wantOffsetResult == kButtonOk && index == c.index;
            EXPECT_EQ(offset.Get(index), offsetHere ? OffsetColorValue(before, c.shade) : before)
                << c.what << " slot " << index;
        }
    }
}

TEST(ButtonColors, RepeatedOffsetsAccumulateUpToTheLimit) {
    ButtonColors colors(MakeColorValue(212, 208, 200), 0);
    EXPECT_EQ(colors.Offset(kColorBackgroundIn, 30), kButtonOk);
    EXPECT_EQ(colors.Offset(kColorBackgroundIn, 30), kButtonOk);
    EXPECT_EQ(colors.Get(kColorBackgroundIn), MakeColorValue(255, 251, 243));
    EXPECT_EQ(colors.Get(kColorBackgroundOut), MakeColorValue(212, 208, 200));
}

TEST(ButtonColors, GetOfAMissingSlotIsInvalid) {
    const ButtonColors colors(0, 0);
    EXPECT_EQ(colors.Get(6), kInvalidColorValue);
    EXPECT_EQ(colors.Get(-1), kInvalidColorValue);
}

TEST(ButtonAlign, ZeroToThreeAcceptedOthersRefused) {
    const struct {
        int align;
        bool valid;
    } cases[] = {{-1, false}, {0, true}, {1, true}, {2, true}, {3, true}, {4, false}, {100, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidAlign(c.align), c.valid) << c.align;
    }
}

TEST(ButtonSlots, OverOrPressedBeatsFocusWhichBeatsOut) {
    const struct {
        bool highlighted, focused;
        int background, caption;
    } cases[] = {
        {false, false, kColorBackgroundOut, kColorForegroundOut},
        {false, true, kColorBackgroundFocus, kColorForegroundFocus},
        {true, false, kColorBackgroundIn, kColorForegroundIn},
        {true, true, kColorBackgroundIn, kColorForegroundIn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BackgroundSlot(c.highlighted, c.focused), c.background)
            << c.highlighted << c.focused;
        EXPECT_EQ(CaptionSlot(c.highlighted, c.focused), c.caption) << c.highlighted << c.focused;
    }
}

TEST(ImageCopyLevels, GreyKeepsNeutralColoursAndNeverBrightens) {
    for (int level : {0, 1, 127, 128, 254, 255}) {
        EXPECT_EQ(GreyLevel(level, level, level), level);
    }
    // Green weighs most, blue least.
    EXPECT_GT(GreyLevel(0, 255, 0), GreyLevel(255, 0, 0));
    EXPECT_GT(GreyLevel(255, 0, 0), GreyLevel(0, 0, 255));
    for (int red = 0; red <= 255; red += 15) {
        for (int green = 0; green <= 255; green += 15) {
            for (int blue = 0; blue <= 255; blue += 15) {
                const int grey = GreyLevel(red, green, blue);
                EXPECT_GE(grey, 0);
                EXPECT_LE(grey, std::max({red, green, blue}));
            }
        }
    }
}

TEST(ImageCopyLevels, DarkerIsVisiblyDarkerButKeepsBlack) {
    EXPECT_EQ(DarkerLevel(0), 0);
    EXPECT_EQ(DarkerLevel(255), 191);
    for (int channel = 4; channel <= 255; ++channel) {
        EXPECT_LT(DarkerLevel(channel), channel) << channel;
        EXPECT_GE(DarkerLevel(channel), channel / 2) << channel;
    }
}

}  // namespace
}  // namespace tarvik
