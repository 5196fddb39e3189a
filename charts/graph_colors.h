#pragma once
// The colours of the graphs: entry i colours result i in the line graph and in the bar graph.
#include <array>

#include "base/color.h"

namespace tarvik {

inline constexpr std::array<ColorValue, 16> kGraphColors = {
    0x0000FF,  // red
    0x00FF00,  // green
    0xFF0000,  // blue
    0x00FFFF,  // yellow
    0xFFFF00,  // cyan
    0x008000,  // dark green
    0x000080,  // dark red
    0x800080,  // purple
    0x808040,  // RGB(64,128,128)
    0xC08080,  // RGB(128,128,192)
    0x808080,  // grey
    0x0080FF,  // orange
    0xFF00FF,  // magenta
    0xC0C0C0,  // silver
    0x008080,  // olive
    0x000000,  // black
};

// More results than entries (a raised maxResults) start the table again, so every index has a
// colour.
constexpr ColorValue GraphColor(int index) {
    const int size = static_cast<int>(kGraphColors.size());
    return kGraphColors[static_cast<std::size_t>(((index % size) + size) % size)];
}

}  // namespace tarvik
