#pragma once
// The program's one shared state: filled while the main window opens and handed by reference to
// every page, so a test can build a page around a state of its own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "results/map_result.h"
#include "results/result_set.h"

namespace tarvik {

// Capacity of the game folder as the program stores it.
constexpr std::size_t kMaxGameFolderChars = 199;

// What the standard run hands to the Results tab and the score dialog.
struct StandardRunHandOver {
    bool scorePending = false;
    std::string previousNewestCsv = "NULL";    // newest CSV name before the runs, or "NULL"
    std::array<std::uint32_t, 4> runCsvCrc{};  // CRC-32 of each run's CSV, in run order
};

struct AppState {
    std::string gameFolder;  // as stored in the registry, no separator added or removed
    bool isDemo = false;
    std::string gameVersionField = "ver=";  // "ver=" and the game version, for the upload

    ResultSettings settings;
    bool onlyCurrentBenchmark = true;  // Standard tab: show only the presets' own results
    bool customOnlyCurrent = false;    // Custom tab: show only the script's own results
    // The run time the script editor's "Seconds" dialog offers next; kept between openings.
    std::string pendingRunTime = "77";
    // Set by the CSV manager: the next load reads exactly these names.
    bool loadSelectedFlag = false;
    std::vector<std::string> selectedCsvFiles;

    StandardRunHandOver standardRun;
    ResultSet results;
};

// Lets any page switch the main tab set (the benchmark runs end on the Results page).
class PageSwitcher {
  public:
    virtual ~PageSwitcher() = default;
    virtual void ShowPage(int index) = 0;
};

class Prompt;

// What every page is built with: the shared state, the tab set to switch, and the prompt its
// messages go through.
struct PageContext {
    AppState& state;
    PageSwitcher& pages;
    Prompt& prompt;
};

enum PageIndex {
    kPageMain = 0,
    kPageStandard,
    kPageCustom,
    kPageSettings,
    kPageResults,
    kPageAbout
};

}  // namespace tarvik
