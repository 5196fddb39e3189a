#include "charts/win32/line_graph_dialog.h"

#include "base/format.h"
#include "base/win32/open_save_dialogs.h"
#include "charts/graph_colors.h"
#include "charts/y_top.h"
#include "res/resource_ids.h"

namespace tarvik {

CLinegraph::CLinegraph(const AppState& state, FileChooser* files)
    : Dialog(IDD_LINE_GRAPH), state_(state), graph_(kGraphSlots, files) {}

BOOL CLinegraph::OnInit() {
    loop_ = 0;
    const ResultSet& results = state_.results;
    const int yMax = LineGraphYTop(HighestSeriesValue(results.Records()));
    RECT area{};
    GetClientRect(Handle(), &area);
    area.bottom -= kBottomMargin;
    graph_.Create("Graph Window", area, Handle(), IDC_LINE_GRAPH_WINDOW, WS_CHILD | WS_VISIBLE,
                  true);
    graph_.SetAxisProps("Seconds", "", 4, 1, true);
    graph_.SetAxisProps("Frames Per Second", "", 4, 0, true);
    graph_.SetAxisRange(0.0, results.LongestSeries(), 0.0, yMax, true);
    for (loop_ = 0; loop_ < state_.settings.maxResults && loop_ < results.Count(); ++loop_) {
        const MapResult& record = results.Record(loop_);
        const int index = graph_.AddGraph(
            GraphColor(loop_), Format("%s %d", record.mapName.c_str(), loop_), true, true, false);
        if (index < 0) {
            continue;
        }
        const int points =
            std::min(record.perSecondCount, static_cast<int>(record.perSecondFps.size()));
        for (int j = 0; j < points; ++j) {
            graph_.AddPoint(index, j, record.perSecondFps[static_cast<std::size_t>(j)], true, -1);
        }
    }
    return TRUE;
}

void ShowLineGraphDialog(HWND owner, const PageContext& context) {
    CommonFileDialogs files(owner);
    CLinegraph dialog(context.state, &files);
    dialog.DoModal(owner);
}

}  // namespace tarvik
