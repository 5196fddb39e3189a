#pragma once
// Colours as the Windows API holds them (0x00BBGGRR), the program's named colours, and the
// pixel layout of 32-bit DIBs (0xAARRGGBB), free of any window.
#include <cstdint>

namespace tarvik {

using ColorValue = std::uint32_t;

constexpr ColorValue MakeColorValue(int red, int green, int blue) {
    return static_cast<ColorValue>(red & 0xFF) | (static_cast<ColorValue>(green & 0xFF) << 8) |
           (static_cast<ColorValue>(blue & 0xFF) << 16);
}
constexpr int RedOf(ColorValue color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(ColorValue color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(ColorValue color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

// What a colour query answers for a colour that does not exist (the API's CLR_INVALID).
constexpr ColorValue kInvalidColorValue = 0xFFFFFFFFu;

// The colours the program names.
constexpr ColorValue kColorBlack = MakeColorValue(0, 0, 0);
constexpr ColorValue kColorWhite = MakeColorValue(255, 255, 255);
constexpr ColorValue kColorRed = MakeColorValue(255, 0, 0);
constexpr ColorValue kColorDarkRed = MakeColorValue(128, 0, 0);
constexpr ColorValue kColorGreen = MakeColorValue(0, 128, 0);
constexpr ColorValue kColorNavy = MakeColorValue(0, 0, 128);

// One pixel of a 32-bit DIB: alpha (or unused), red, green, blue from the high byte down.
using DibPixel = std::uint32_t;

constexpr DibPixel DibPixelOf(ColorValue color) {
    return (static_cast<DibPixel>(RedOf(color)) << 16) |
           (static_cast<DibPixel>(GreenOf(color)) << 8) | static_cast<DibPixel>(BlueOf(color));
}
// The colour of a pixel, its alpha left out.
constexpr ColorValue ColorOfDibPixel(DibPixel pixel) {
    return MakeColorValue(static_cast<int>((pixel >> 16) & 0xFF),
                          static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF));
}

}  // namespace tarvik
