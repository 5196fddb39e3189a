// The line graph as a user opens it: results in the game's folder, the Results tab, "Line
// Graphs", a look at the graph, and "Close Window".
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "tests/common/temp_game_folder.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

const char* const kMaps[] = {"dm-antalus", "dm-asbestos", "ctf-face3"};

// Three runs of about a minute each, at different and wandering frame rates.
void WriteResults(const std::string& game) {
    for (int run = 0; run < 3; ++run) {
        CsvRun csv;
        csv.map = kMaps[run];
        double elapsed = 0.0;
        for (int frame = 0; elapsed < 60000.0 + run * 15000.0; ++frame) {
            const double ms = 9.0 + run * 4.0 + (frame / 40 + run) % 7 + (frame % 11) * 0.3;
            csv.frameTimesMs.push_back(ms);
            elapsed += ms;
        }
        std::ofstream(JoinPath(ResultFolder(game), "UT2003-0" + std::to_string(run + 1) + ".csv"),
                      std::ios::binary)
            << CsvRunText(csv);
    }
}

TEST(LineGraph, OpensFromTheResultsTabAndClosesWithCloseWindow) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    WriteResults(game.GameFolder());
    TarvikSession session;
    ASSERT_TRUE(session.Start({}));
    ASSERT_TRUE(session.tabs.SelectPage(kPageResults)) << DescribeWindows(session.tarvik.Pid());
    HWND results = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        results = session.tabs.CurrentPage();
        return ListBoxLines(results, IDC_RESULTS_LIST).size() >= 3;
    })) << QuotedList(ListBoxLines(results, IDC_RESULTS_LIST));

    ASSERT_TRUE(ClickButton(results, IDC_RESULTS_LINE_GRAPH));
    const auto isGraph = [](const WindowInfo& window) { return window.title == "Line Graphs"; };
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitForWindow(session.tarvik, isGraph, "the line graph", &dialog));
    HWND graph = GetDlgItem(dialog, IDC_LINE_GRAPH_WINDOW);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(ControlText(dialog, IDOK), "Close Window");
    Settle(dialog);
    EXPECT_TRUE(SaveScreenshot(dialog, "line_graphs"));
    ASSERT_TRUE(ClickButton(dialog, IDOK));
    ASSERT_TRUE(WaitForWindowGone(session.tarvik, isGraph, "the line graph"));
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
