#include "results/win32/results_tab.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/format.h"
#include "app/win32/tab_set.h"
#include "res/resource_ids.h"
#include "results/result_set.h"
#include "results/results_text.h"
#include "results/win32/game_files.h"
#include "results/win32/loading_dialog.h"
#include "tests/common/recording_prompt.h"
#include "tests/win32/support/page_host.h"
#include "tests/common/scripted_file_chooser.h"
#include "tests/common/scripted_game_files.h"
#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

std::string TempName(const char* prefix) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH] = "";
    GetTempFileNameA(temp, prefix, 0, name);
    DeleteFileA(name);
    return name;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One benchmark run as the game writes it.
struct BenchmarkRun {
    const char* name;
    const char* map;
    const char* processor;  // line 3
    const char* resolution;
    double frameTimeMs;  // every subframe's
    int subframes;
};

// A game folder with a CSV folder holding the given runs; gone with the object.
class GameWithRuns {
  public:
    explicit GameWithRuns(const std::vector<BenchmarkRun>& runs) {
        for (const BenchmarkRun& run : runs) {
            CsvRun csv;
            csv.map = run.map;
            csv.processor = run.processor;
            csv.resolution = run.resolution;
            csv.frameTimesMs = SteadyFrames(run.subframes, run.frameTimeMs);
            folder_.WriteCsv(run.name, csv);
        }
    }

    const std::string& Path() const { return folder_.Path(); }

    // The list the tab must show: the same files loaded and written out independently.
    std::vector<std::string> ExpectedLines(const ResultSettings& settings) const {
        ResultSet results;
        SilentLoadObserver observer;
        RecordingPrompt prompt;
        results.LoadNewest(CsvNamesOnDisk(Path()), Path(), settings, observer, prompt);
        return ResultsListLines(results);
    }

  private:
    TempGameFolder folder_;
};

const std::vector<BenchmarkRun> kTwoRuns = {
    {"UT2003-0001.csv", "dm-antalus", "AMD Athlon(tm) XP 2100+ @ 1800 MHz", "1024x768", 16.6, 95},
    {"UT2003-0002.csv", "dm-asbestos", "AMD Athlon(tm) XP 2100+ @ 1800 MHz", "800x600", 12.5, 70},
};
const std::vector<BenchmarkRun> kFiveRunsTwoMachines = {
    {"a.csv", "dm-antalus", "Intel(R) Pentium(R) 4 @ 2400 MHz", "640x480", 9.75, 40},
    {"B.csv", "ctf-citadel", "Intel(R) Pentium(R) 4 @ 2410 MHz", "1280x1024", 30.2, 61},
    {"c.csv", "br-anubis", "AMD Athlon(tm) XP 2100+ @ 1800 MHz", "1600x1200", 25, 35},
    {"d.csv", "dm-inferno", "AMD Athlon(tm) XP 2100+ @ 1800 MHz", "1024x768", 16.6, 90},
    {"e.csv", "dm-antalus", "AMD Athlon(tm) XP 2100+ @ 1800 MHz", "1280x960", 18.1, 33},
};

// Remembers which graphs were asked for, in order.
class RecordingGraphs : public GraphDialogs {
  public:
    void ShowBarGraph(HWND) override { shown.push_back("bar"); }
    void ShowLineGraph(HWND) override { shown.push_back("line"); }
    std::vector<std::string> shown;
};

// The Results tab opens as the only page of its set, so it loads at once.
struct OpenedResultsTab : OpenedPage<Cresults> {
    OpenedResultsTab(HWND host, const std::string& gameFolder, ResultSettings settings = {}) {
        state.gameFolder = gameFolder;
        state.settings = settings;
        Open(host, [this](const PageContext& context) {
            return std::make_unique<Cresults>(context, files, graphs);
        });
    }
    std::vector<std::string> ListLines() const {
        return OpenedPage<Cresults>::ListLines(IDC_RESULTS_LIST);
    }

    ScriptedFileChooser files;
    RecordingGraphs graphs;
};

class ResultsTab : public HostWindowSuite {};

TEST_F(ResultsTab, ListsTheNewestRunsWhenItBecomesActive) {
    struct Case {
        const char* what;
        const std::vector<BenchmarkRun>* runs;
        int maxResults;
        int records;
    };
    const std::vector<BenchmarkRun> none;
    const Case cases[] = {
        {"two runs, one machine", &kTwoRuns, 16, 2},
        {"five runs, two machines", &kFiveRunsTwoMachines, 16, 5},
        {"five runs, three newest kept", &kFiveRunsTwoMachines, 3, 3},
        {"no runs", &none, 16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameWithRuns game(*c.runs);
        ResultSettings settings;
        settings.maxResults = c.maxResults;
        OpenedResultsTab tab(Host(), game.Path(), settings);

        EXPECT_EQ(tab.state.results.Count(), c.records);
        EXPECT_EQ(tab.ListLines(), game.ExpectedLines(settings));
        EXPECT_EQ(tab.ListLines().empty(), c.records == 0);
        EXPECT_TRUE(tab.prompt.messages.empty());

        // Leaving the tab frees the records but keeps the text.
        const std::vector<std::string> shown = tab.ListLines();
        tab.Deactivate();
        EXPECT_EQ(tab.state.results.Count(), 0);
        EXPECT_EQ(tab.ListLines(), shown);
    }
}

TEST_F(ResultsTab, SavesTheListAsCrLfLines) {
    const GameWithRuns game(kFiveRunsTwoMachines);
    const std::string folder = TempName("tvs");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string target = folder + "\\results.txt";
    const std::string missingFolder = folder + "\\missing\\results.txt";
    struct Case {
        const char* what;
        std::optional<std::string> answer;
        const char* existingContent;  // nullptr: no file there before
        bool saved;
    };
    const std::string longer(5000, 'x');
    const Case cases[] = {
        {"new file", target, nullptr, true},
        {"longer file replaced", target, longer.c_str(), true},
        {"cancelled", std::nullopt, nullptr, false},
        {"a folder", folder, nullptr, false},
        {"a missing folder", missingFolder, nullptr, false},
    };
    OpenedResultsTab tab(Host(), game.Path());
    const std::vector<std::string> lines = tab.ListLines();
    ASSERT_FALSE(lines.empty());
    std::string expected;
    for (const std::string& line : lines) {
        expected += line + "\r\n";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(target.c_str());
        if (c.existingContent) {
            std::ofstream(target, std::ios::binary) << c.existingContent;
        }
        tab.prompt.messages.clear();
        tab.files.questions.clear();
        tab.files.answers = {c.answer};

        tab.Click(IDC_RESULTS_SAVE);

        ASSERT_EQ(tab.files.questions.size(), 1u);
        const SaveFileQuestion& question = tab.files.questions[0];
        EXPECT_EQ(question.filter, std::string("Text file (*.txt) \0*.txt\0", 25));
        EXPECT_EQ(question.defaultExtension, "txt");
        EXPECT_TRUE(question.promptOverwrite);
        if (c.saved) {
            const std::string written = ReadBytes(target);
            EXPECT_EQ(written, expected);
            std::istringstream split(written);
            std::size_t count = 0;
            for (std::string line; std::getline(split, line);) {
                ++count;
            }
            EXPECT_EQ(count, lines.size());
            ASSERT_EQ(tab.prompt.messages.size(), 1u);
            EXPECT_EQ(tab.prompt.messages[0].text, "Save Complete :-)");
            EXPECT_EQ(tab.prompt.messages[0].caption, "!");
        } else if (!c.answer) {
            EXPECT_TRUE(tab.prompt.messages.empty());
            EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
        } else {
            ASSERT_EQ(tab.prompt.messages.size(), 1u);
            EXPECT_NE(tab.prompt.messages[0].text.find(*c.answer), std::string::npos)
                << tab.prompt.messages[0].text;
            EXPECT_NE(tab.prompt.messages[0].text, "Save Complete :-)");
            EXPECT_EQ(tab.prompt.messages[0].caption, "!");
        }
    }
    DeleteFileA(target.c_str());
    // Nothing else left behind, temporary files included.
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str()));
}

TEST_F(ResultsTab, ChartButtonsSayWhenThereIsNothingToShow) {
    struct Case {
        const char* what;
        const std::vector<BenchmarkRun>* runs;
        bool sorry;
    };
    const std::vector<BenchmarkRun> none;
    const Case cases[] = {
        {"no runs", &none, true},
        {"runs", &kTwoRuns, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameWithRuns game(*c.runs);
        OpenedResultsTab tab(Host(), game.Path());
        for (const int button : {IDC_RESULTS_BAR_GRAPH, IDC_RESULTS_LINE_GRAPH}) {
            tab.prompt.messages.clear();
            tab.Click(button);
            if (c.sorry) {
                ASSERT_EQ(tab.prompt.messages.size(), 1u);
                EXPECT_EQ(tab.prompt.messages[0].text, "Sorry no results to display");
                EXPECT_EQ(tab.prompt.messages[0].caption, "!");
                EXPECT_EQ(tab.prompt.messages[0].buttons, PromptButtons::Ok);
            } else {
                EXPECT_TRUE(tab.prompt.messages.empty());
            }
        }
        const std::vector<std::string> expected =
            c.sorry ? std::vector<std::string>{} : std::vector<std::string>{"bar", "line"};
        EXPECT_EQ(tab.graphs.shown, expected);
    }
}

// The loading dialog on its own, modeless, so its texts can be read once it has finished.
std::string StaticTexts(HWND dialog) {
    std::string texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[512] = "";
        GetWindowTextA(child, text, sizeof(text));
        texts += std::string(text) + "|";
    }
    return texts;
}

// The dialog closes itself once loaded; a modeless one only hides.
void WaitUntilClosed(HWND dialog) {
    const auto start = std::chrono::steady_clock::now();
    while (IsWindowVisible(dialog) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        PumpMessages();
        Sleep(20);
    }
}

TEST(Loading, ShowsWhatItLoadsAndClosesItself) {
    const GameWithRuns game(kFiveRunsTwoMachines);
    struct Case {
        const char* what;
        bool selected;
        std::vector<std::string> names;
        int completed;
        const char* lastFile;
    };
    const Case cases[] = {
        {"newest", false, {}, 5, "a.csv"},
        {"selected", true, {"d.csv", "B.csv"}, 2, "B.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state;
        state.gameFolder = game.Path();
        state.loadSelectedFlag = c.selected;
        state.selectedCsvFiles = c.names;
        RecordingPrompt prompt;
        WindowsGameFiles files;
        CLoading loading(state, files, prompt);
        const HWND dialog = loading.Create(nullptr);
        ASSERT_NE(dialog, nullptr);
        char caption[64] = "";
        GetWindowTextA(dialog, caption, sizeof(caption));
        EXPECT_STREQ(caption, "Loading ....");
        EXPECT_EQ(loading.Handle(), dialog);
        char completed[16] = "";
        GetDlgItemTextA(dialog, IDC_LOADING_COMPLETED, completed, sizeof(completed));
        EXPECT_STREQ(completed, "0");
        EXPECT_EQ(state.results.Count(), 0);

        const auto start = std::chrono::steady_clock::now();
        WaitUntilClosed(dialog);
        EXPECT_FALSE(IsWindowVisible(dialog));
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));

        const std::string texts = StaticTexts(dialog);
        for (const char* fixed : {"Please wait while loading CSV files", "Current operation....",
                                  "Current file....", "Completed="}) {
            EXPECT_NE(texts.find(std::string(fixed) + "|"), std::string::npos) << fixed;
        }
        char operation[64] = "";
        GetDlgItemTextA(dialog, IDC_LOADING_OPERATION, operation, sizeof(operation));
        EXPECT_STREQ(operation, "Parsing CSV files");
        char file[MAX_PATH] = "";
        GetDlgItemTextA(dialog, IDC_LOADING_FILE, file, sizeof(file));
        EXPECT_EQ(std::string(file), CsvFilePath(game.Path(), c.lastFile));
        GetDlgItemTextA(dialog, IDC_LOADING_COMPLETED, completed, sizeof(completed));
        EXPECT_EQ(std::string(completed), Format("%d", c.completed));
        EXPECT_EQ(state.results.Count(), c.completed);
        EXPECT_FALSE(state.loadSelectedFlag);
        if (c.selected) {
            EXPECT_EQ(state.results.Record(0).mapName, "dm-inferno");
        }
        EXPECT_TRUE(prompt.messages.empty());
        DestroyWindow(dialog);
    }
}

// Notes what the dialog shows while the folder is listed.
class WatchedGameFiles : public ScriptedGameFiles {
  public:
    std::vector<std::string> ListCsvNames(const std::string& gameFolder) override {
        char text[64] = "";
        GetDlgItemTextA(dialog, IDC_LOADING_OPERATION, text, sizeof(text));
        operationWhileListing = text;
        return ScriptedGameFiles::ListCsvNames(gameFolder);
    }
    HWND dialog = nullptr;
    std::string operationWhileListing;
};

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = "";
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

TEST(Loading, LoadsTheListedNamesThroughItsHiddenSortedListBox) {
    const GameWithRuns game(kFiveRunsTwoMachines);
    AppState state;
    state.gameFolder = game.Path();
    RecordingPrompt prompt;
    WatchedGameFiles files;
    // Not every file of the folder, and not in list order: only the listing counts.
    files.csvNames = {"d.csv", "a.csv", "B.csv"};
    CLoading loading(state, files, prompt);
    files.dialog = loading.Create(nullptr);
    ASSERT_NE(files.dialog, nullptr);
    WaitUntilClosed(files.dialog);

    EXPECT_EQ(files.calls, std::vector<std::string>{"list " + game.Path()});
    EXPECT_EQ(files.operationWhileListing, "Searching for CSV files");
    EXPECT_EQ(ListBoxItems(GetDlgItem(files.dialog, IDC_HIDDEN_FILE_LIST)),
              (std::vector<std::string>{"a.csv", "B.csv", "d.csv"}));
    ASSERT_EQ(state.results.Count(), 3);
    EXPECT_EQ(state.results.Record(0).mapName, "dm-inferno");
    EXPECT_EQ(state.results.Record(2).mapName, "dm-antalus");
    EXPECT_TRUE(prompt.messages.empty());
    DestroyWindow(files.dialog);
}

}  // namespace
}  // namespace tarvik
