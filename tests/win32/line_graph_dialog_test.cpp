#include "charts/win32/line_graph_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/format.h"
#include "charts/graph_colors.h"
#include "charts/panel_flags.h"
#include "res/resource_ids.h"
#include "tests/win32/support/modal_watcher.h"
#include "tests/win32/support/opened_dialog.h"
#include "tests/win32/support/picture.h"

namespace tarvik {
namespace {

MapResult Record(const std::string& map, std::vector<float> fps) {
    MapResult record;
    record.mapName = map;
    record.perSecondCount = static_cast<int>(fps.size());
    record.perSecondFps = std::move(fps);
    return record;
}

class LineGraphDialog : public HostWindowSuite {};

TEST_F(LineGraphDialog, OneGraphPerRecordUpToMaxResults) {
    struct Case {
        int maxResults;
        int records;
        int graphs;
    };
    const Case cases[] = {{16, 3, 3}, {2, 3, 2}, {40, 34, 32}, {1, 0, 0}};
    for (const Case& c : cases) {
        AppState state;
        state.settings.maxResults = c.maxResults;
        for (int i = 0; i < c.records; ++i) {
            state.results.Add(Record(Format("DM-Map%d", i), std::vector<float>(i + 2, 30.0f + i)));
        }
        OpenedDialog<CLinegraph> opened(Host(), state, nullptr);
        CGraphWnd& graph = opened.dialog.Graph();
        EXPECT_EQ(graph.GetGraphCount(), c.graphs) << c.maxResults << " " << c.records;
        for (int i = 0; i < c.graphs; ++i) {
            const CGraphProps* props = graph.GetGraph(i);
            ASSERT_NE(props, nullptr);
            EXPECT_EQ(props->title(), Format("DM-Map%d %d", i, i));
            EXPECT_EQ(props->color(), GraphColor(i));
            ASSERT_EQ(props->GetCount(), i + 2);
            EXPECT_EQ(props->GetPoint(i + 1).x, i + 1);
            EXPECT_FLOAT_EQ(static_cast<float>(props->GetPoint(i + 1).y), 30.0f + i);
        }
    }
}

TEST_F(LineGraphDialog, AxesTitlesAndRangesFollowTheRecords) {
    struct Case {
        float highest;
        double yMax;  // after the points came in: 19.0 outgrows its top of 11
    };
    const Case cases[] = {{95.4f, 105.0}, {150.3f, 175.0}, {19.0f, 19.0}};
    for (const Case& c : cases) {
        AppState state;
        state.results.Add(Record("DM-Antalus", {10.0f, c.highest, 12.0f, 11.0f}));
        state.results.Add(Record("CTF-Face3", {9.0f, 8.0f}));
        OpenedDialog<CLinegraph> opened(Host(), state, nullptr);
        CGraphWnd& graph = opened.dialog.Graph();
        double xMin = -1, xMax = -1, yMin = -1, yMax = -1;
        graph.GetAxisRange(xMin, xMax, yMin, yMax);
        EXPECT_EQ(xMin, 0.0);
        EXPECT_EQ(xMax, state.results.LongestSeries());
        EXPECT_EQ(yMin, 0.0);
        EXPECT_NEAR(yMax, c.yMax, 1e-4) << c.highest;
        EXPECT_EQ(graph.GetAxisProps(1).title(), "Seconds");
        EXPECT_EQ(graph.GetAxisProps(0).title(), "Frames Per Second");
        EXPECT_EQ(graph.GetAxisProps(0).precision(), 4);
        EXPECT_EQ(graph.FormatAxisOutput(12.5, 0, 1), "12.5000 ");
        EXPECT_EQ(graph.GetGraphFlags(), kDefaultPanelFlags);
    }
}

TEST_F(LineGraphDialog, NoRecordsOpensAndPaintsAnEmptyGraph) {
    AppState state;
    OpenedDialog<CLinegraph> opened(Host(), state, nullptr);
    ASSERT_NE(opened.hwnd, nullptr);
    CGraphWnd& graph = opened.dialog.Graph();
    double xMin = -1, xMax = -1, yMin = -1, yMax = -1;
    graph.GetAxisRange(xMin, xMax, yMin, yMax);
    EXPECT_EQ(yMin, 0.0);
    EXPECT_EQ(yMax, 0.0);
    EXPECT_EQ(graph.GetGraphCount(), 0);
    ShowWindow(opened.hwnd, SW_SHOWNA);
    UpdateWindow(opened.hwnd);
    PumpMessages();
    CGraphPanel* panel = graph.Panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_GT(panel->renderCount(), 0);
    const SIZE size = panel->BitmapSize();
    ASSERT_GT(size.cx, 0);
    const Picture picture = Picture::OfDc(panel->BitmapDc(), RECT{0, 0, size.cx, size.cy});
    EXPECT_GT(picture.Count(RGB(255, 255, 255)), size.cx * size.cy / 2);
    // The fit commands find nothing to fit and leave the range alone.
    EXPECT_TRUE(PassChainCommand(panel->Handle(), IDM_GRAPH_FIT_PAGE));
    graph.GetAxisRange(xMin, xMax, yMin, yMax);
    EXPECT_EQ(yMax, 0.0);
}

TEST_F(LineGraphDialog, OpensModallyWithItsWindowAndClosesWithCloseWindow) {
    AppState state;
    state.results.Add(Record("DM-Asbestos", {40.0f, 42.0f, 41.0f}));
    NoPages pages;
    RecordingPrompt prompt;
    bool looked = false;
    ModalWatcher watcher(Host(), "Line Graphs", [&looked](HWND dialog) {
        looked = true;
        char text[64] = "";
        GetDlgItemTextA(dialog, IDOK, text, sizeof(text));
        EXPECT_STREQ(text, "Close Window");
        HWND window = GetDlgItem(dialog, IDC_LINE_GRAPH_WINDOW);
        ASSERT_NE(window, nullptr);
        GetWindowTextA(window, text, sizeof(text));
        EXPECT_STREQ(text, "Graph Window");
        RECT client{};
        RECT area{};
        GetClientRect(dialog, &client);
        GetWindowRect(window, &area);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
        EXPECT_EQ(area.left, 0);
        EXPECT_EQ(area.top, 0);
        EXPECT_EQ(area.right, client.right);
        EXPECT_EQ(area.bottom, client.bottom - CLinegraph::kBottomMargin);
    });
    ShowLineGraphDialog(Host(), PageContext{state, pages, prompt});
    EXPECT_TRUE(looked);
}

}  // namespace
}  // namespace tarvik
