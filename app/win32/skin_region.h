#pragma once
// The window region of a skin picture: every pixel except the key-coloured ones.
#include <windows.h>

namespace tarvik {

// The region of the bitmap resource, or null when a step fails (the window then stays
// rectangular). The caller owns the region.
HRGN CreateSkinRegion(HINSTANCE module, int bitmapId);

}  // namespace tarvik
