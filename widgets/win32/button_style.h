#pragma once
// Applies a ButtonStyle to a dialog's button.
#include <windows.h>

#include "widgets/button_style.h"
#include "widgets/win32/button_st.h"

namespace tarvik {

// Binds the button to the dialog's control (unless it is bound to it already) and gives it the
// style. False when the control cannot be bound or the picture cannot be loaded; the rest of
// the style is applied all the same.
bool StyleButton(CButtonST& button, int controlId, HWND dialog, const ButtonStyle& style);

}  // namespace tarvik
