#include "app/skin_shape.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

constexpr std::uint32_t kGreen = 0x0000FF00;  // blue, green, red as a DIB stores them
constexpr std::uint32_t kDark = 0x00202020;

TEST(SkinShape, KeyToleranceIsSeventeenOnEachComponent) {
    struct Case {
        std::uint8_t r, g, b;
        bool key;
    };
    const Case cases[] = {{0, 255, 0, true},  {17, 238, 17, true}, {18, 255, 0, false},
                          {0, 237, 0, false}, {0, 255, 18, false}, {255, 255, 255, false},
                          {10, 250, 10, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsKeyColour(c.r, c.g, c.b), c.key)
            << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(SkinShape, RunsAreJoinedPerRowNotPerPixel) {
    // Row 0: two runs; row 1: none; row 2: a run to the right edge.
    const std::uint32_t pixels[] = {
        kGreen, kGreen, kDark,  kGreen,  //
        kDark,  kDark,  kDark,  kDark,   //
        kDark,  kGreen, kGreen, kGreen,
    };
    const std::vector<PixelRect> expected{{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 2, 4, 3}};
    EXPECT_EQ(KeyColourRuns(pixels, 4, 3), expected);
}

TEST(SkinShape, SkinWithoutKeyPixelsHasNoRuns) {
    const std::uint32_t pixels[] = {kDark, kDark, kDark, kDark};
    EXPECT_TRUE(KeyColourRuns(pixels, 2, 2).empty());
}

}  // namespace
}  // namespace tarvik
