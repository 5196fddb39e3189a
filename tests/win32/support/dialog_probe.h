#pragma once
// Finding and measuring the controls a dialog template made: by text, by kind, where the
// dialog manager put them, and whether their text shows whole.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win32/controls.h"
#include "tests/win32/support/picture.h"

namespace tarvik {

inline std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

inline HWND ChildWithText(HWND parent, const std::string& text) {
    for (HWND child : ChildrenOf(parent)) {
        if (Control(child).Text() == text) {
            return child;
        }
    }
    return nullptr;
}

inline LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrA(window, GWL_STYLE);
}

inline bool IsStatic(HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, "Static") == 0;
}

inline bool IsGroupBox(HWND window) {
    return !IsStatic(window) && (StyleOf(window) & BS_TYPEMASK) == BS_GROUPBOX;
}

inline bool IsPicture(HWND window) {
    return IsStatic(window) && (StyleOf(window) & SS_TYPEMASK) == SS_BITMAP;
}

inline  // The control's place in its dialog's client area, in pixels.
    RECT
    PlaceOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

inline  // Where the dialog manager puts a control given in dialog units: it maps the size on its
        // own,
    // not the far corner.
    RECT
    InPixels(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

inline  // How many columns the ink of a painted text spans; the top-left pixel, above the letters,
        // tells the background.
    int
    InkWidth(const Picture& picture) {
    const COLORREF background = picture.At(0, 0);
    int first = picture.Width();
    int last = -1;
    for (int x = 0; x < picture.Width(); ++x) {
        for (int y = 0; y < picture.Height(); ++y) {
            if (picture.At(x, y) != background) {
                first = std::min(first, x);
                last = x;
                break;
            }
        }
    }
    return last < first ? 0 : last - first + 1;
}

inline  // Whether the control shows all of its text: its ink spans as far as that of the same text
        // in the same font on a static with room to spare. Under Wine some letters paint wider than
        // the font's measures say, so only painting tells.
    bool
    ShowsWholeText(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const HWND roomy =
        CreateWindowExA(0, "STATIC", Control(control).Text().c_str(), WS_CHILD | SS_LEFTNOWORDWRAP,
                        0, 0, 4 * client.right, client.bottom, GetParent(control), nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    Control(roomy).SetFont(Control(control).Font(), false);
    const int whole = InkWidth(Picture::OfWindow(roomy));
    DestroyWindow(roomy);
    return whole > 0 && InkWidth(Picture::OfWindow(control)) == whole;
}

}  // namespace tarvik
