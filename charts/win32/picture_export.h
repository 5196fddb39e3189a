#pragma once
// Sharing a picture of the graph: as a device-independent bitmap on the clipboard, or as a PNG
// file written through the system's imaging component.
#include <windows.h>

#include <string>

#include "base/win32/gdi.h"

namespace tarvik {

bool CopyPictureToClipboard(HWND owner, const DibImage& image);

// Written whole to a temporary file beside the target, which then takes the target's place.
bool SavePicturePng(const std::string& path, const DibImage& image);

}  // namespace tarvik
