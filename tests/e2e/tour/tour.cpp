// The demo's tour: starts tarvik.exe against the installed simulated game and walks through it as
// a user would, saving a screenshot of each thing it shows. Used when there is no display to
// show Tarvik on.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

// Game seconds of the four runs of the standard benchmark.
constexpr double kStandardRunSeconds = 77 + 70 + 77 + 77;

bool Check(const ::testing::AssertionResult& result, const char* step) {
    if (!result) {
        std::fprintf(stderr, "tour: %s: %s\n", step, result.message());
    }
    return static_cast<bool>(result);
}

using Clock = std::chrono::steady_clock;

std::string Environment(const char* name) {
    char value[512] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// Real time the four runs take at the simulated game's time scale, plus room for a slow machine.
Milliseconds BenchmarkTimeout() {
    const std::string scaleText = Environment("UT2003SIM_TIME_SCALE");
    const double scale = scaleText.empty() ? 1.0 : std::atof(scaleText.c_str());
    return Milliseconds{static_cast<long long>((kStandardRunSeconds * scale + 120) * 1000)};
}

// Numbered screenshots, continuing after the tabs'.
class Shots {
  public:
    explicit Shots(int next) : next_(next) {}
    void Take(HWND window, const char* what) {
        Settle(window);
        char name[64];
        std::snprintf(name, sizeof(name), "%02d-results-%s", next_++, what);
        Check(SaveScreenshot(window, name), "taking a screenshot");
    }

  private:
    int next_;
};

// Presses "Benchmark" and waits until the main window shows the Results tab. A message box
// instead means the benchmark failed.
bool RunStandardBenchmark(const TarvikProcess& tarvik, const RemoteTabSet& tabs, Shots& shots) {
    if (!Check(tabs.SelectPage(kPageMain), "switching to the Main tab") ||
        !Check(ClickButton(tabs.CurrentPage(), IDC_MAIN_BENCHMARK), "pressing Benchmark")) {
        return false;
    }
    const Milliseconds timeout = BenchmarkTimeout();
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (!tarvik.Running()) {
            std::fprintf(stderr, "tour: Tarvik ended during the benchmark\n");
            return false;
        }
        const auto boxes = MessageBoxes(tarvik.Pid());
        if (!boxes.empty()) {
            std::fprintf(stderr, "tour: the benchmark ended with the message \"%s\" (\"%s\")\n",
                         boxes.front().text.c_str(), boxes.front().caption.c_str());
            shots.Take(boxes.front().hwnd, "message");
            PressMessageBoxButton(boxes.front(), IDOK);
            return false;
        }
        if (tabs.CurrentIndex() == kPageResults) {
            return true;
        }
        Sleep(250);
    }
    std::fprintf(stderr,
                 "tour: the benchmark did not reach the Results tab within %s; Tarvik shows: %s\n",
                 SecondsText(timeout).c_str(), DescribeWindows(tarvik.Pid()).c_str());
    return false;
}

// Photographs whatever the Results tab brings up (loading dialog, score dialog, messages) and
// answers it: the score dialog goes online when a results server is given, else shows the
// results locally.
bool FollowResults(const TarvikProcess& tarvik, HWND main, Shots& shots) {
    const bool online = !Environment("TARVIK_RESULTS_SERVER").empty();
    std::set<HWND> photographed;
    HWND score = nullptr;
    auto scoreAnswered = Clock::time_point{};
    auto lastSeen = Clock::now();
    const auto deadline = Clock::now() + Milliseconds{90000};
    while (Clock::now() - lastSeen < Milliseconds{3000}) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr,
                         "tour: the Results tab's windows did not close; Tarvik shows: %s\n",
                         DescribeWindows(tarvik.Pid()).c_str());
            return false;
        }
        if (!tarvik.Running()) {
            std::fprintf(stderr, "tour: Tarvik ended on the Results tab\n");
            return false;
        }
        for (const WindowInfo& window : TopLevelWindows(tarvik.Pid())) {
            if (!window.visible || window.hwnd == main) {
                continue;
            }
            lastSeen = Clock::now();
            const bool isBox = IsMessageBox(window.hwnd);
            const bool isScore = !isBox && window.title == "Tarvik Score";
            if (photographed.insert(window.hwnd).second) {
                shots.Take(window.hwnd, isBox ? "message" : isScore ? "score" : "dialog");
                if (isBox) {
                    std::printf("tour: message \"%s\"\n", ReadMessageBox(window.hwnd).text.c_str());
                    PressMessageBoxButton(ReadMessageBox(window.hwnd), IDOK);
                }
            }
            if (!isScore) {
                continue;
            }
            if (score != window.hwnd) {
                score = window.hwnd;
                scoreAnswered = Clock::now();
                if (!Check(ClickButton(score,
                                       online ? IDC_SCORE_ONLINE_RESULTS : IDC_SCORE_VIEW_LOCALLY),
                           online ? "pressing Online Results" : "pressing View Locally")) {
                    return false;
                }
                if (online) {
                    Sleep(4000);
                    shots.Take(score, "online");
                    // The wait was no quiet time: look again for what the upload brought up.
                    lastSeen = Clock::now();
                    break;
                }
            } else if (Clock::now() - scoreAnswered > Milliseconds{15000}) {
                // Still open long after going online: close it as a user would.
                scoreAnswered = Clock::now();
                Check(ClickButton(score, IDC_SCORE_VIEW_LOCALLY), "pressing View Locally");
            }
        }
        Sleep(200);
    }
    Settle(main);
    Sleep(300);
    shots.Take(main, "tab");
    return true;
}

// The Standard tab's own pages after its first, each shot as "<tab shot>-<page>".
void ShowPresetPages(HWND main, const RemoteTabSet& tabs, const std::string& tabShot) {
    RemoteTabSet presets;
    if (!Check(RemoteTabSet::Find(tabs.CurrentPage(), &presets), "finding the preset pages")) {
        return;
    }
    const auto names = presets.Names();
    for (int index = 1; index < static_cast<int>(names.size()); ++index) {
        if (!Check(presets.SelectPage(index), "switching preset pages")) {
            return;
        }
        Settle(main);
        Sleep(300);
        SaveScreenshot(main, tabShot + "-" + names[index]);
    }
    Check(presets.SelectPage(0), "back to the first preset page");
}

// Opens the dialog a page's button brings up, shot as "<tab shot>-<suffix>", and closes it.
void ShowDialogOf(const TarvikProcess& tarvik, const RemoteTabSet& tabs, int button,
                  const std::string& title, const std::string& shot) {
    const auto isDialog = [&](const WindowInfo& window) { return window.title == title; };
    HWND dialog = nullptr;
    if (Check(ClickButton(tabs.CurrentPage(), button), "pressing the page's button") &&
        Check(WaitForWindow(tarvik, isDialog, title, &dialog), "waiting for the dialog")) {
        Settle(dialog);
        SaveScreenshot(dialog, shot);
        Check(ClickButton(dialog, IDOK), "closing the dialog");
        Check(WaitForWindowGone(tarvik, isDialog, title), "waiting for the dialog to close");
    }
}

// Runs the Epic preset from the Standard tab and answers its closing message.
bool RunEpicPreset(const TarvikProcess& tarvik, const RemoteTabSet& tabs, Shots& shots) {
    RemoteTabSet presets;
    if (!Check(tabs.SelectPage(kPageStandard), "switching to the Standard tab") ||
        !Check(RemoteTabSet::Find(tabs.CurrentPage(), &presets), "finding the preset pages") ||
        !Check(presets.SelectPage(0), "showing the Epic page") ||
        !Check(ClickButton(presets.CurrentPage(), IDC_EPIC_START), "pressing Start")) {
        return false;
    }
    MessageBoxInfo box;
    if (!Check(WaitForMessageBox(tarvik, &box, BenchmarkTimeout()), "waiting for the preset")) {
        return false;
    }
    shots.Take(box.hwnd, "preset-message");
    std::printf("tour: the preset ended with \"%s\"\n", box.text.c_str());
    return Check(PressMessageBoxButton(box, IDOK), "answering the preset's message") &&
           WaitUntil([&] { return tabs.CurrentIndex() == kPageResults; }) &&
           box.text == "Finished Benchmarking";
}

// Makes a short fly-through script in the editor, runs it from the Custom tab and answers its
// closing message.
bool RunCustomScript(const TarvikProcess& tarvik, const RemoteTabSet& tabs, Shots& shots) {
    if (!Check(tabs.SelectPage(kPageCustom), "switching to the Custom tab")) {
        return false;
    }
    const HWND page = tabs.CurrentPage();
    ScriptRecipe recipe;
    recipe.systemIni = "MaxDetail.ini";
    recipe.userIni = "MaxDetailUser.ini";
    recipe.maps = {{"DM-Antalus.ut2", "60"}, {"CTF-Face3.ut2", "90"}};
    recipe.savePath = JoinPath(kFullGameFolder, "Benchmark\\Tour.tvx");
    bool shotSeconds = false;
    const auto look = [&](HWND window, const std::string& what) {
        if (what == "editor" || !shotSeconds) {
            shotSeconds = shotSeconds || what == "seconds";
            shots.Take(window, ("custom-" + what).c_str());
        }
    };
    if (!Check(MakeScriptInEditor(tarvik, page, recipe, look), "making a script") ||
        !Check(SelectListLine(page, IDC_CUSTOM_SCRIPTS, "Tour.tvx"), "choosing the script") ||
        !Check(ClickButton(page, IDC_CUSTOM_BENCHMARK), "pressing Benchmark!")) {
        return false;
    }
    MessageBoxInfo box;
    if (!Check(WaitForMessageBox(tarvik, &box, BenchmarkTimeout()), "waiting for the script")) {
        return false;
    }
    std::printf("tour: the script ended with \"%s\"\n", box.text.c_str());
    return Check(PressMessageBoxButton(box, IDOK), "answering the script's message") &&
           WaitUntil([&] { return tabs.CurrentIndex() == kPageResults; }) &&
           box.text == "Finished Benchmarking";
}

// Opens both graphs from the Results tab, photographs and closes each.
bool ShowGraphs(const TarvikProcess& tarvik, const RemoteTabSet& tabs, Shots& shots) {
    const struct {
        int button;
        const char* title;
        const char* shot;
    } graphs[] = {{IDC_RESULTS_BAR_GRAPH, "Benchmark Graph Results", "bar-graph"},
                  {IDC_RESULTS_LINE_GRAPH, "Line Graphs", "line-graph"}};
    bool shown = tabs.CurrentIndex() == kPageResults;
    for (const auto& graph : graphs) {
        const auto isGraph = [&](const WindowInfo& window) {
            return window.visible && window.title == graph.title;
        };
        HWND dialog = nullptr;
        if (!shown || !Check(ClickButton(tabs.CurrentPage(), graph.button), "opening a graph") ||
            !Check(WaitForWindow(tarvik, isGraph, graph.title, &dialog), "waiting for a graph")) {
            return false;
        }
        Sleep(700);  // the bar graph redraws on its half-second timer
        shots.Take(dialog, graph.shot);
        shown = Check(ClickButton(dialog, IDOK), "closing the graph") &&
                Check(WaitForWindowGone(tarvik, isGraph, graph.title), "waiting for it to close");
    }
    return shown;
}

int Tour() {
    TarvikProcess tarvik;
    if (!Check(tarvik.Start(), "starting tarvik.exe")) {
        return 1;
    }
    HWND splash = nullptr;
    if (Check(WaitForWindow(
                  tarvik, [](const WindowInfo& window) { return !IsMainWindow(window); },
                  "the splash window", &splash),
              "waiting for the splash")) {
        SaveScreenshot(splash, "01-splash");
    }
    HWND main = nullptr;
    if (!Check(WaitForMainWindow(tarvik, &main), "waiting for the main window")) {
        return 1;
    }
    RemoteTabSet tabs;
    if (!Check(RemoteTabSet::Find(main, &tabs), "finding the tab set")) {
        return 1;
    }
    const auto names = tabs.Names();
    for (int index = 0; index < static_cast<int>(names.size()); ++index) {
        if (!Check(tabs.SelectPage(index), "switching pages")) {
            return 1;
        }
        Settle(main);
        Sleep(300);
        char name[64];
        std::snprintf(name, sizeof(name), "%02d-tab-%s", index + 2, names[index].c_str());
        SaveScreenshot(main, name);
        if (index == kPageStandard) {
            ShowPresetPages(main, tabs, name);
        } else if (index == kPageSettings) {
            ShowDialogOf(tarvik, tabs, IDC_SETTINGS_MANAGE, "Manage CSV files",
                         std::string(name) + "-manage-files");
        } else if (index == kPageAbout) {
            ShowDialogOf(tarvik, tabs, IDC_ABOUT_INFO, "About Tarvik", std::string(name) + "-box");
        }
    }
    Shots shots(static_cast<int>(names.size()) + 2);
    const bool benchmarked =
        RunEpicPreset(tarvik, tabs, shots) && FollowResults(tarvik, main, shots) &&
        RunCustomScript(tarvik, tabs, shots) && FollowResults(tarvik, main, shots) &&
        RunStandardBenchmark(tarvik, tabs, shots) && FollowResults(tarvik, main, shots) &&
        ShowGraphs(tarvik, tabs, shots);
    const bool ended = Check(ClickButton(main, IDC_EXIT), "pressing Exit") &&
                       Check(tarvik.WaitForExit(), "waiting for Tarvik to end");
    return benchmarked && ended ? 0 : 1;
}

}  // namespace
}  // namespace tarvik::e2e

int main() {
    return tarvik::e2e::Tour();
}
