#include "results/win32/csv_manager.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/format.h"
#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

using Names = std::vector<std::string>;

// The dialog as the Settings tab opens it, but modeless so the test can drive it.
struct OpenedManager {
    explicit OpenedManager(int files) {
        for (int i = files; i >= 1; --i) {
            game.WriteCsv(Format("run%02d.csv", i), CsvRun{});
        }
        state.gameFolder = game.Path();
        hwnd = dialog.Create(nullptr);
    }
    ~OpenedManager() {
        if (IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
    }
    ListBox List(int id) const { return ListBox(hwnd, id); }
    void Highlight(int id, int index) const {
        List(id).SetSelection(index);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    }
    void Press(int id) const {
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    }
    // Highlights the available file and presses "Select".
    void PickName(const std::string& name) const {
        Highlight(IDC_MANAGE_AVAILABLE, List(IDC_MANAGE_AVAILABLE).FindExact(name));
        Press(IDC_MANAGE_SELECT);
    }
    Names Messages() const {
        Names texts;
        for (const RecordedMessage& message : prompt.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    TempGameFolder game;
    AppState state;
    NoPages pages;
    RecordingPrompt prompt;
    CManageCSV dialog{PageContext{state, pages, prompt}};
    HWND hwnd = nullptr;
};

TEST(ManageCsv, PicksInOrderUpToSixteenAndGivesNamesBack) {
    const OpenedManager manager(17);
    ASSERT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Count(), 17);
    EXPECT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Text(0), "run01.csv") << "sorted";

    manager.Press(IDC_MANAGE_SELECT);
    manager.Press(IDC_MANAGE_UNSELECT);
    EXPECT_EQ(manager.Messages(), Names(2, "No map selected"));

    manager.PickName("run03.csv");
    manager.PickName("run01.csv");
    EXPECT_EQ(manager.List(IDC_MANAGE_PICKED).Texts(), (Names{"run03.csv", "run01.csv"}));
    for (int i = 0; i < 14; ++i) {
        manager.Highlight(IDC_MANAGE_AVAILABLE, 0);
        SendMessageA(manager.hwnd, WM_COMMAND, MAKEWPARAM(IDC_MANAGE_AVAILABLE, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(manager.hwnd, IDC_MANAGE_AVAILABLE)));
    }
    EXPECT_EQ(manager.List(IDC_MANAGE_PICKED).Count(), 16);
    manager.PickName("run17.csv");
    EXPECT_EQ(manager.Messages().back(), "Sorry there is a maximum of 16 csv files");
    EXPECT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Texts(), Names{"run17.csv"});

    manager.Highlight(IDC_MANAGE_PICKED, 0);
    manager.Press(IDC_MANAGE_UNSELECT);
    EXPECT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Texts(), (Names{"run03.csv", "run17.csv"}));
    manager.PickName("run17.csv");
    EXPECT_EQ(manager.List(IDC_MANAGE_PICKED).Text(15), "run17.csv");
}

TEST(ManageCsv, HighlightingShowsTheHeaderAndClearsTheOtherList) {
    OpenedManager manager(3);
    manager.PickName("run02.csv");
    manager.Highlight(IDC_MANAGE_AVAILABLE, 0);
    const Names header = manager.List(IDC_MANAGE_HEADER).Texts();
    ASSERT_EQ(header.size(), 6u);
    EXPECT_EQ(header[0], "UT2003 Build UT2003_Build_[2003-01-07_19.44]");
    EXPECT_EQ(header[4], "Timedemo results");

    manager.Highlight(IDC_MANAGE_PICKED, 0);
    EXPECT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Selection(), LB_ERR);
    manager.Highlight(IDC_MANAGE_AVAILABLE, 1);
    EXPECT_EQ(manager.List(IDC_MANAGE_PICKED).Selection(), LB_ERR);

    std::filesystem::remove(CsvFilePath(manager.game.Path(), "run03.csv"));
    manager.Highlight(IDC_MANAGE_AVAILABLE, 1);
    EXPECT_EQ(manager.Messages(), Names{"Can't open csv"});
    EXPECT_EQ(manager.List(IDC_MANAGE_HEADER).Count(), 0);
}

TEST(ManageCsv, DeletingKeepsAFileThatCannotGoAndSaysSo) {
    OpenedManager manager(3);
    manager.Press(IDC_MANAGE_DELETE);
    EXPECT_EQ(manager.Messages(), Names{"No map(s) selected"});
    const std::string locked = CsvFilePath(manager.game.Path(), "run01.csv");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    manager.PickName("run01.csv");
    manager.PickName("run02.csv");
    manager.prompt.messages.clear();
    manager.Press(IDC_MANAGE_DELETE);

    EXPECT_EQ(manager.Messages(),
              (Names{"Are you sure you want to delete selected files?", "Could not delete file",
                     "An error occured while deleting your file(s)"}));
    EXPECT_EQ(manager.prompt.messages[0].buttons, PromptButtons::YesNo);
    EXPECT_TRUE(std::filesystem::exists(locked));
    EXPECT_FALSE(std::filesystem::exists(CsvFilePath(manager.game.Path(), "run02.csv")));
    EXPECT_EQ(manager.List(IDC_MANAGE_PICKED).Texts(), Names{"run01.csv"});
    EXPECT_EQ(manager.List(IDC_MANAGE_AVAILABLE).Texts(), Names{"run03.csv"});
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    manager.prompt.messages.clear();
    manager.Press(IDC_MANAGE_DELETE);
    EXPECT_EQ(manager.Messages().back(), "Delete file(s) successfull");
}

TEST(ManageCsv, ShowingHandsThePickedNamesInOrderToTheResultsTab) {
    OpenedManager manager(5);
    manager.Press(IDC_MANAGE_SHOW);
    EXPECT_EQ(manager.Messages(), Names{"No map(s) selected"});
    EXPECT_FALSE(manager.state.loadSelectedFlag);
    for (const char* name : {"run04.csv", "run01.csv", "run05.csv"}) {
        manager.PickName(name);
    }
    manager.Press(IDC_MANAGE_SHOW);
    EXPECT_TRUE(manager.state.loadSelectedFlag);
    EXPECT_EQ(manager.state.selectedCsvFiles, (Names{"run04.csv", "run01.csv", "run05.csv"}));
    EXPECT_EQ(manager.pages.asked, std::vector<int>{kPageResults});
}

}  // namespace
}  // namespace tarvik
