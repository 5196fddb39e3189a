#include "charts/win32/bar_graph_dialog.h"

namespace tarvik {

// Placeholder until the dialog lands.
void ShowBarGraphDialog(HWND, const PageContext&) {}

}  // namespace tarvik
