#include "results/win32/graph_dialogs.h"

#include "charts/win32/bar_graph_dialog.h"
#include "charts/win32/line_graph_dialog.h"

namespace tarvik {

void ModalGraphDialogs::ShowBarGraph(HWND owner) {
    ShowBarGraphDialog(owner, context_);
}

void ModalGraphDialogs::ShowLineGraph(HWND owner) {
    ShowLineGraphDialog(owner, context_);
}

}  // namespace tarvik
