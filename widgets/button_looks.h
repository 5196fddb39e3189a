#pragma once
// The program's named button looks. A page picks one by name and gives it its own picture and
// tooltip; the colours live here only.
#include <string>

#include "widgets/button_style.h"

namespace tarvik {

// A lit button's face is this much lighter than at rest.
constexpr int kPressedShade = 30;

// Raised, an icon beside the caption, the face lighter while lit (Results tab).
ButtonStyle RaisedIconLook(int icon, std::string tooltip);

// RaisedIconLook with a dark red caption while lit and restCaption otherwise (score dialog).
ButtonStyle TwoToneIconLook(int icon, std::string tooltip, ColorValue restCaption);

// The Main tab's Benchmark button, and every button that runs a benchmark: a green caption.
ButtonStyle BenchmarkButtonLook(int icon, std::string tooltip);

// The skin's Exit button: flat, a grey icon until the mouse comes, dark red caption while lit.
ButtonStyle ExitButtonLook(int icon, std::string tooltip);

// The skin's small title-bar buttons: flat bitmaps with black as the see-through colour.
ButtonStyle TitleBarButtonLook(int bitmap, std::string tooltip);

}  // namespace tarvik
