#pragma once
// Pictures of what the user sees, kept under the build folder for a human to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tarvik::e2e {

// Copies the window's rectangle from the screen (what covers it, or shows through a shaped
// window's cut corners, is in the picture too) into "<screenshots>\<name>.bmp", 24 bits.
::testing::AssertionResult SaveScreenshot(HWND hwnd, const std::string& name);

}  // namespace tarvik::e2e
