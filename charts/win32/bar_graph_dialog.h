#pragma once
// The bar graph of the loaded results, as a modal dialog.
#include <windows.h>

#include "app/app_state.h"

namespace tarvik {

// Returns when the user closes it.
void ShowBarGraphDialog(HWND owner, const PageContext& context);

}  // namespace tarvik
