#include "charts/win32/bar_graph_dialog.h"

#include <optional>
#include <string>
#include <utility>

#include "base/format.h"
#include "base/win32/handles.h"
#include "charts/graph_colors.h"
#include "charts/win32/picture_export.h"
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
    windowsFiles_.SetOwner(Handle());
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

bool Cgraphframedlg::OnContextMenu(HWND window, POINT screen) {
    const HWND area = Item(IDC_BAR_GRAPH_AREA);
    if (window != area) {
        return false;
    }
    if (screen.x == -1 && screen.y == -1) {
        screen = {0, 0};
        ClientToScreen(area, &screen);
    }
    const HMENU menu = CreatePopupMenu();
    if (!menu) {
        return false;
    }
    AppendMenuA(menu, MF_STRING, IDM_GRAPH_COPY_PICTURE, "Copy picture");
    AppendMenuA(menu, MF_STRING, IDM_GRAPH_SAVE_PICTURE, "Save picture...");
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                         screen.x, screen.y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (chosen != 0) {
        OnCommand(static_cast<int>(chosen), 0, nullptr);
    }
    return true;
}

bool Cgraphframedlg::OnCommand(int id, int code, HWND control) {
    if (id == IDM_GRAPH_COPY_PICTURE) {
        CopyPicture();
        return true;
    }
    if (id == IDM_GRAPH_SAVE_PICTURE) {
        SavePicture();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool Cgraphframedlg::CopyPicture() const {
    return CopyPictureToClipboard(Handle(), area_.Picture());
}

void Cgraphframedlg::SavePicture() const {
    FileQuestion question;
    question.filter = FilterFromBars("PNG picture (*.png)|*.png||");
    question.defaultExtension = "png";
    question.initialName = "bar-graph.png";
    const std::optional<std::string> path = files_->ChooseSaveFile(question);
    if (path && !SavePicturePng(*path, area_.Picture())) {
        prompt_.Show(Format("Can't save the picture to %s", path->c_str()), "!");
    }
}

void ShowBarGraphDialog(HWND owner, const PageContext& context) {
    Cgraphframedlg dialog(context.state.results.Records(), context.prompt);
    dialog.DoModal(owner);
}

}  // namespace tarvik
