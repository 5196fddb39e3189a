#pragma once
// The program's one shared state: filled while the main window opens and handed by reference to
// every page, so a test can build a page around a state of its own.
#include <string>

namespace tarvik {

// Capacity of the game folder as the program stores it.
constexpr std::size_t kMaxGameFolderChars = 199;

struct AppState {
    std::string gameFolder;  // as stored in the registry, no separator added or removed
    bool isDemo = false;
};

// Lets any page switch the main tab set (the benchmark runs end on the Results page).
class PageSwitcher {
public:
    virtual ~PageSwitcher() = default;
    virtual void ShowPage(int index) = 0;
};

enum PageIndex { kPageMain = 0, kPageStandard, kPageCustom, kPageSettings, kPageResults, kPageAbout };

}  // namespace tarvik
