#include "app/skin_shape.h"

namespace tarvik {

namespace {
bool IsKeyPixel(std::uint32_t pixel) {
    return IsKeyColour(static_cast<std::uint8_t>(pixel >> 16),
                       static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel));
}
}  // namespace

std::vector<PixelRect> KeyColourRuns(const std::uint32_t* pixels, int width, int height) {
    std::vector<PixelRect> runs;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
        int x = 0;
        while (x < width) {
            if (!IsKeyPixel(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && IsKeyPixel(row[x])) {
                ++x;
            }
            runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

}  // namespace tarvik
