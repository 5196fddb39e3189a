// The Settings tab and the CSV manager as a user works them: a new first subframe and the files
// picked by hand change what the Results tab lists exactly as the core computes it, and clearing
// empties the result folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/prompt.h"
#include "res/resource_ids.h"
#include "results/result_set.h"
#include "results/results_text.h"
#include "tests/common/temp_game_folder.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

class SilentPrompt : public Prompt {
  public:
    PromptAnswer Show(const std::string&, const std::string&, PromptButtons) override {
        return PromptAnswer::Ok;
    }
};

const char* const kMaps[] = {"dm-antalus", "dm-asbestos", "ctf-face3", "dm-inferno",
                             "br-icefields"};

// Five runs whose first frames are slow, so where counting starts shows in the figures.
std::vector<std::string> WriteOlderResults(const std::string& game) {
    std::vector<std::string> names;
    for (int run = 0; run < 5; ++run) {
        CsvRun csv;
        csv.map = kMaps[run];
        for (int frame = 0; frame < 400; ++frame) {
            csv.frameTimesMs.push_back(frame < 25 ? 80.0 : 12.0 + (frame * (run + 3)) % 9);
        }
        names.push_back("UT2003-0" + std::to_string(run + 1) + ".csv");
        std::ofstream(JoinPath(ResultFolder(game), names.back()), std::ios::binary)
            << CsvRunText(csv);
    }
    return names;
}

std::vector<std::string> CoreLines(const std::string& game, const std::vector<std::string>& names,
                                   int startSubframe, bool selected) {
    ResultSet results;
    SilentLoadObserver observer;
    SilentPrompt prompt;
    const ResultSettings settings{16, startSubframe, false};
    if (selected) {
        results.LoadSelected(names, game, settings, observer, prompt);
    } else {
        results.LoadNewest(names, game, settings, observer, prompt);
    }
    return ResultsListLines(results);
}

struct SettingsSession : TarvikSession {
    HWND ShowTab(int index) const { return tabs.SelectPage(index) ? tabs.CurrentPage() : nullptr; }
    ::testing::AssertionResult ResultsList(const std::vector<std::string>& expected) const {
        std::vector<std::string> lines;
        if (WaitUntil([&] {
                lines = tabs.CurrentIndex() == kPageResults
                            ? ListBoxLines(tabs.CurrentPage(), IDC_RESULTS_LIST)
                            : std::vector<std::string>{};
                return lines == expected;
            })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "the Results tab lists " << QuotedList(lines)
                                             << "\nexpected " << QuotedList(expected);
    }
};

// Highlights the name in the manager's available list and presses "Select".
::testing::AssertionResult PickFile(HWND manager, const std::string& name) {
    const std::size_t picked = ListBoxLines(manager, IDC_MANAGE_PICKED).size();
    auto step = SelectListLine(manager, IDC_MANAGE_AVAILABLE, name);
    if (step) {
        step = ClickButton(manager, IDC_MANAGE_SELECT);
    }
    if (step &&
        !WaitUntil([&] { return ListBoxLines(manager, IDC_MANAGE_PICKED).size() == picked + 1; })) {
        step = ::testing::AssertionFailure() << "\"" << name << "\" was not picked";
    }
    return step;
}

TEST(SettingsAndResultFiles, SubframeAndPickedFilesChangeTheResultsAndClearingEmptiesTheFolder) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const std::vector<std::string> names = WriteOlderResults(folder);
    SettingsSession session;
    ASSERT_TRUE(session.Start({}));

    HWND settings = session.ShowTab(kPageSettings);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ControlText(settings, IDC_SETTINGS_START_SUBFRAME), "10");
    SetWindowTextA(Control(settings, IDC_SETTINGS_START_SUBFRAME), "20");
    ASSERT_TRUE(ClickButton(settings, IDC_SETTINGS_APPLY));
    ASSERT_TRUE(session.Answer("Ok", "!"));
    const auto selected = session.tabs.SelectPage(kPageResults);
    ASSERT_TRUE(selected) << DescribeWindows(session.tarvik.Pid());
    EXPECT_TRUE(session.ResultsList(CoreLines(folder, names, 20, false)));
    EXPECT_NE(CoreLines(folder, names, 20, false), CoreLines(folder, names, 10, false))
        << "the fixture should make the subframe matter";

    settings = session.ShowTab(kPageSettings);
    ASSERT_TRUE(ClickButton(settings, IDC_SETTINGS_MANAGE));
    const auto isManager = [](const WindowInfo& window) {
        return window.title == "Manage CSV files";
    };
    HWND manager = nullptr;
    ASSERT_TRUE(WaitForWindow(session.tarvik, isManager, "the CSV manager", &manager));
    EXPECT_EQ(ListBoxLines(manager, IDC_MANAGE_AVAILABLE), names);
    const std::vector<std::string> picked = {names[3], names[0], names[2]};
    for (const std::string& name : picked) {
        ASSERT_TRUE(PickFile(manager, name));
    }
    Settle(manager);
    EXPECT_TRUE(SaveScreenshot(manager, "manage_csv_files"));
    ASSERT_TRUE(ClickButton(manager, IDC_MANAGE_SHOW));
    ASSERT_TRUE(WaitForWindowGone(session.tarvik, isManager, "the CSV manager"));
    EXPECT_TRUE(session.ResultsList(CoreLines(folder, picked, 20, true)));

    settings = session.ShowTab(kPageSettings);
    ASSERT_TRUE(ClickButton(settings, IDC_SETTINGS_CLEAR_ALL));
    ASSERT_TRUE(session.Answer("Are you sure you want to delete all results?", "!", kDefaultTimeout,
                               IDYES));
    ASSERT_TRUE(session.Answer("Done", "!"));
    EXPECT_TRUE(ResultFileNames(folder).empty());
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
