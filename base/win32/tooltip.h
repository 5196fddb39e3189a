#pragma once
// The tooltip window a control shows its hint in; the caller owns (and destroys) it.
#include <windows.h>
#include <commctrl.h>

namespace tarvik {

inline HWND CreateTooltipWindow(HWND owner) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)), nullptr);
}

}  // namespace tarvik
