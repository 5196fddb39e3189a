#pragma once
// The hand pointer of links and clickable pictures: the system's help viewer carries one, and
// the program has its own for systems without that viewer.
#include <windows.h>

#include <string>

#include "base/win32/gdi.h"

namespace tarvik {

// The help viewer in the Windows folder; empty when that folder cannot be read.
std::string HelpViewerPath();

// A copy of the viewer's hand cursor, so it outlives the viewer's file, which is loaded only
// for this; none when the file or its cursor is missing.
OwnedIcon HelpViewerHandCursor(const std::string& viewerPath);

// A copy of a cursor resource of a module; none when either is missing.
OwnedIcon CopiedCursor(HINSTANCE module, int cursorId);

}  // namespace tarvik
