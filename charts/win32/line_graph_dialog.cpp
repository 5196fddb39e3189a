#include "charts/win32/line_graph_dialog.h"

namespace tarvik {

// Placeholder until the dialog lands.
void ShowLineGraphDialog(HWND, const PageContext&) {}

}  // namespace tarvik
