#include "results/win32/settings_tab.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

class CountingManager : public CsvManagerOpener {
  public:
    void Open(HWND) override { ++openings; }
    int openings = 0;
};

struct OpenedSettingsTab : OpenedPage<Csettings> {
    explicit OpenedSettingsTab(HWND host) {
        state.gameFolder = game.Path();
        // As a preset that ran once leaves them.
        state.settings = ResultSettings{1, 25, true};
        Open(host, [this](const PageContext& context) {
            return std::make_unique<Csettings>(context, manager);
        });
    }
    Trackbar Slider() const { return Trackbar(page->Handle(), IDC_SETTINGS_MAX_RESULTS); }
    void Slide(int position, int code = TB_THUMBTRACK) const {
        Slider().SetPosition(position);
        SendMessageA(page->Handle(), WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(Slider().Handle()));
        PumpMessages();
    }
    void Enter(const std::string& text) const {
        SetDlgItemTextA(page->Handle(), IDC_SETTINGS_START_SUBFRAME, text.c_str());
        Click(IDC_SETTINGS_APPLY);
    }

    TempGameFolder game;
    CountingManager manager;
};

class SettingsTab : public HostWindowSuite {};

TEST_F(SettingsTab, ShowsTheSettingsAsRunsLeftThemAndTheSliderSetsTheLimitAtOnce) {
    const OpenedSettingsTab tab(Host());
    EXPECT_EQ(tab.Slider().RangeMin(), 2);
    EXPECT_EQ(tab.Slider().RangeMax(), 16);
    EXPECT_EQ(tab.Slider().Position(), 2) << "1 rests at the lowest position";
    EXPECT_EQ(tab.Text(IDC_SETTINGS_MAX_RESULTS_VALUE), "1");
    EXPECT_EQ(tab.Text(IDC_SETTINGS_START_SUBFRAME), "25");
    EXPECT_TRUE(tab.page->IsItemChecked(IDC_SETTINGS_AVERAGE_BY_SECOND));

    tab.Slide(9);
    EXPECT_EQ(tab.state.settings.maxResults, 9);
    EXPECT_EQ(tab.Text(IDC_SETTINGS_MAX_RESULTS_VALUE), "9");
    tab.Slide(12, TB_LINEDOWN);
    EXPECT_EQ(tab.state.settings.maxResults, 12) << "the keyboard moves it too";

    const Button average(tab.page->Handle(), IDC_SETTINGS_AVERAGE_BY_SECOND);
    average.Click();
    EXPECT_FALSE(tab.state.settings.averageBySecond) << "the box was ticked; a click clears it";
    average.Click();
    EXPECT_TRUE(tab.state.settings.averageBySecond);

    tab.Click(IDC_SETTINGS_MANAGE);
    EXPECT_EQ(tab.manager.openings, 1);
}

TEST_F(SettingsTab, ApplyTakesOneToAHundredAndPutsTheEntryBackOtherwise) {
    OpenedSettingsTab tab(Host());
    const struct {
        const char* entry;
        const char* message;
        int stored;
    } cases[] = {
        {"0", "Please enter an integer between 1 and 100.", 25},
        {"101", "Please enter an integer between 1 and 100.", 25},
        {"", "Please enter an integer.", 25},
        {"12x", "Please enter an integer.", 25},
        {" 20", "Ok", 20},
    };
    for (const auto& c : cases) {
        tab.prompt.messages.clear();
        tab.Enter(c.entry);
        ASSERT_EQ(tab.prompt.messages.size(), 1u) << c.entry;
        EXPECT_EQ(tab.prompt.messages[0].text, c.message) << c.entry;
        EXPECT_EQ(tab.prompt.messages[0].caption, "!");
        EXPECT_EQ(tab.state.settings.startSubframe, c.stored) << c.entry;
        EXPECT_EQ(tab.Text(IDC_SETTINGS_START_SUBFRAME), std::to_string(c.stored)) << c.entry;
    }
}

TEST_F(SettingsTab, ClearAllAsksThenDeletesEveryResultFile) {
    OpenedSettingsTab tab(Host());
    const std::string first = tab.game.WriteCsv("a.csv", CsvRun{});
    const std::string second = tab.game.WriteCsv("b.CSV", CsvRun{});
    const std::string other = tab.game.WriteFile(GameSubfolder::Csvs, "keep.txt", "x");
    tab.prompt.answers = {PromptAnswer::No};
    tab.Click(IDC_SETTINGS_CLEAR_ALL);
    EXPECT_TRUE(std::filesystem::exists(first));

    tab.Click(IDC_SETTINGS_CLEAR_ALL);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_TRUE(std::filesystem::exists(other));
    ASSERT_EQ(tab.prompt.messages.size(), 3u);
    EXPECT_EQ(tab.prompt.messages[0].text, "Are you sure you want to delete all results?");
    EXPECT_EQ(tab.prompt.messages[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(tab.prompt.messages[2].text, "Done");
}

TEST_F(SettingsTab, ClearAllSaysHowManyFilesItCouldNotDelete) {
    const OpenedSettingsTab tab(Host());
    const std::string locked = tab.game.WriteCsv("locked.csv", CsvRun{});
    tab.game.WriteCsv("free.csv", CsvRun{});
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    tab.Click(IDC_SETTINGS_CLEAR_ALL);
    EXPECT_TRUE(std::filesystem::exists(locked));
    ASSERT_EQ(tab.prompt.messages.size(), 2u);
    EXPECT_EQ(tab.prompt.messages[1].text, "1 result file(s) could not be deleted.");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace tarvik
