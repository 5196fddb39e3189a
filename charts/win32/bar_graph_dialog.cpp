#include "charts/win32/bar_graph_dialog.h"

#include <utility>

#include "charts/graph_colors.h"
#include "res/resource_ids.h"

namespace tarvik {

bool BarRedrawTimer::Start(HWND window, UINT_PTR id, UINT milliseconds) {
    Stop();
    if (!window || SetTimer(window, id, milliseconds, nullptr) == 0) {
        return false;
    }
    window_ = window;
    id_ = id;
    return true;
}

void BarRedrawTimer::Stop() {
    if (window_) {
        KillTimer(window_, id_);
        window_ = nullptr;
    }
}

Cgraphframedlg::Cgraphframedlg(const std::vector<MapResult>& records, Prompt& prompt)
    : Dialog(IDD_BAR_GRAPH), records_(BarRecordsOf(records)), prompt_(prompt) {}

Cgraphframedlg::Cgraphframedlg(CGraph chart, Prompt& prompt)
    : Dialog(IDD_BAR_GRAPH), given_(std::move(chart)), prompt_(prompt) {}

BOOL Cgraphframedlg::OnInit() {
    area_.Bind(Item(IDC_BAR_GRAPH_AREA));
    if (given_) {
        chart_.emplace(std::move(*given_));
        given_.reset();
    } else {
        chart_.emplace(BuildBarChart(
            records_, std::vector<ColorValue>(kGraphColors.begin(), kGraphColors.end())));
    }
    timer_.Start(Handle(), kBarRedrawTimerId, kBarRedrawMs);
    // At once, rather than half a second of an empty frame; an unknown chart type is told from
    // the first tick, when the dialog is on screen.
    area_.Redraw(*chart_);
    return TRUE;
}

void Cgraphframedlg::OnTimer(UINT_PTR id) {
    if (id == kBarRedrawTimerId) {
        Redraw();
    }
}

void Cgraphframedlg::OnDestroy() {
    timer_.Stop();
    area_.Unbind();
}

void Cgraphframedlg::Redraw() {
    if (!chart_) {
        return;
    }
    ++redraws_;
    const BarGraphLayout& layout = area_.Redraw(*chart_);
    // Told once: the box's own message loop goes on running the timer, and each tick would
    // stack another box.
    if (layout.unknownChartType && !toldUnknownType_) {
        toldUnknownType_ = true;
        prompt_.Show(kNoGraphTypeMessage, kNoGraphTypeCaption, PromptButtons::Ok);
    }
}

void ShowBarGraphDialog(HWND owner, const PageContext& context) {
    Cgraphframedlg dialog(context.state.results.Records(), context.prompt);
    dialog.DoModal(owner);
}

}  // namespace tarvik
