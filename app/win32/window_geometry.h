#pragma once
// Placing the program's pictured windows, whose pictures set their size.
#include <windows.h>

namespace tarvik {

// Gives the window the size and centres it on the work area of its monitor.
void ResizeAndCentre(HWND window, int width, int height);

}  // namespace tarvik
