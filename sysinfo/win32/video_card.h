#pragma once
// The video card's name as Direct3D 8 describes the default adapter.
#include <optional>
#include <string>

namespace tarvik {

struct VideoCard {
    // Whether a Direct3D 8 object could be made at all.
    bool direct3dAvailable = false;
    // The adapter's description; none when Direct3D 8 is missing or the identifier failed.
    std::optional<std::string> description;
};

// Loads d3d8.dll at run time, so the program also starts where it is missing.
VideoCard ReadVideoCard();

}  // namespace tarvik
