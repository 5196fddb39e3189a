// The bar graph as a user opens it: four results loaded on the Results tab, "Benchmark Graph
// Results" opened from it, photographed, and closed with "Close Window".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "tests/common/temp_game_folder.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

// Four runs of distinct maps and speeds, so every bar and legend entry differs.
void WriteResults(const std::string& game) {
    const char* const maps[] = {"dm-antalus", "dm-asbestos", "ctf-face3", "br-icefields"};
    for (int run = 0; run < 4; ++run) {
        CsvRun csv;
        csv.map = maps[run];
        for (int frame = 0; frame < 300; ++frame) {
            csv.frameTimesMs.push_back(6.0 + run * 3 + (frame * (run + 2)) % 11);
        }
        std::ofstream(JoinPath(ResultFolder(game), "UT2003-0" + std::to_string(run + 1) + ".csv"),
                      std::ios::binary)
            << CsvRunText(csv);
    }
}

TEST(BarGraph, OpensFromTheResultsTabAndClosesWithCloseWindow) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    WriteResults(game.GameFolder());
    TarvikSession session;
    ASSERT_TRUE(session.Start({}));
    const auto selected = session.tabs.SelectPage(kPageResults);
    ASSERT_TRUE(selected) << DescribeWindows(session.tarvik.Pid());
    // The page lists the four runs once its loading dialog has gone.
    HWND results = nullptr;
    std::vector<std::string> lines;
    ASSERT_TRUE(WaitUntil([&] {
        results = session.tabs.CurrentPage();
        lines = ListBoxLines(results, IDC_RESULTS_LIST);
        return std::count(lines.begin(), lines.end(), "**** Map results ****") == 4;
    })) << QuotedList(lines)
        << DescribeWindows(session.tarvik.Pid());

    ASSERT_TRUE(ClickButton(results, IDC_RESULTS_BAR_GRAPH));
    const auto isGraph = [](const WindowInfo& window) {
        return window.title == "Benchmark Graph Results";
    };
    HWND graph = nullptr;
    ASSERT_TRUE(WaitForWindow(session.tarvik, isGraph, "the bar graph", &graph));
    EXPECT_EQ(ControlText(graph, IDOK), "Close Window");
    Settle(graph);
    EXPECT_TRUE(SaveScreenshot(graph, "bar_graph"));
    ASSERT_TRUE(ClickButton(graph, IDOK));
    ASSERT_TRUE(WaitForWindowGone(session.tarvik, isGraph, "the bar graph"));
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
