#pragma once
// The skin's shape: which pixels of the skin picture are cut away. The window region is built
// from horizontal runs of key-coloured pixels, not single pixels, so it stays small.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/geometry.h"

namespace tarvik {

// How many rectangles go into one region call.
constexpr std::size_t kRectsPerRegionCall = 3000;

// The key colour RGB(0,255,0) within a tolerance of 17 on each component.
constexpr bool IsKeyColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red <= 17 && green >= 238 && blue <= 17;
}

// Runs of key-coloured pixels, row by row from the top, each a rectangle one pixel high.
// pixels: width x height 32-bit pixels laid out as Windows DIBs store them (blue, green, red,
// unused), top row first.
std::vector<PixelRect> KeyColourRuns(const std::uint32_t* pixels, int width, int height);

}  // namespace tarvik
