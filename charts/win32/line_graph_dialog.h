#pragma once
// The line graph of the loaded results, as a modal dialog.
#include <windows.h>

#include "app/app_state.h"

namespace tarvik {

// Returns when the user closes it.
void ShowLineGraphDialog(HWND owner, const PageContext& context);

}  // namespace tarvik
