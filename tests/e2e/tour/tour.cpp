// The demo's tour: starts tarvik.exe against the installed simulated game and walks through it as
// a user would, saving a screenshot of each thing it shows. Used when there is no display to
// show Tarvik on.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

constexpr int kExitButton = 1;

bool Check(const ::testing::AssertionResult& result, const char* step) {
    if (!result) {
        std::fprintf(stderr, "tour: %s: %s\n", step, result.message());
    }
    return static_cast<bool>(result);
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
    }
    tabs.SelectPage(0);
    Check(ClickButton(main, kExitButton), "pressing Exit");
    return Check(tarvik.WaitForExit(), "waiting for Tarvik to end") ? 0 : 1;
}

}  // namespace
}  // namespace tarvik::e2e

int main() { return tarvik::e2e::Tour(); }
