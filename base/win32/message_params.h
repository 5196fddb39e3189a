#pragma once
// The few ways the system packs values into a message's parameters, unpacked in one place.
#include <windows.h>

namespace tarvik {

// A point packed as two signed 16-bit halves (mouse, hit-test and context-menu messages);
// positions left of or above the origin come out negative.
inline POINT PointFromParam(LPARAM param) {
    return POINT{static_cast<short>(LOWORD(param)), static_cast<short>(HIWORD(param))};
}

// A size packed as two unsigned 16-bit halves (WM_SIZE).
inline SIZE SizeFromParam(LPARAM param) {
    return SIZE{LOWORD(param), HIWORD(param)};
}

// WM_SETCURSOR: the window under the pointer, the hit-test code (negative for HTERROR and
// HTTRANSPARENT) and the mouse message that caused it.
struct CursorQuery {
    HWND window;
    int hitTest;
    UINT mouseMessage;
};
inline CursorQuery CursorQueryFromParams(WPARAM wParam, LPARAM lParam) {
    return CursorQuery{reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)),
                       HIWORD(lParam)};
}

}  // namespace tarvik
