#pragma once
// tarvik.exe started against the installed game and seen as a user sees it: its main window and
// tab set, its message boxes answered one at a time, and its orderly end.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/harness/tab_set.h"
#include "tests/e2e/harness/tarvik_process.h"
#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

using Environment = std::vector<std::pair<std::string, std::string>>;

struct TarvikSession {
    TarvikProcess tarvik;
    HWND main = nullptr;
    RemoteTabSet tabs;

    // Starts the program with the variables added to its environment and waits for its main
    // window, on the Main tab.
    ::testing::AssertionResult Start(const Environment& environment);

    // Answers one message box with the button and waits until it has gone, so that the next one
    // is not mistaken for it.
    ::testing::AssertionResult Answer(const std::string& text, const std::string& caption,
                                      Milliseconds timeout = kDefaultTimeout,
                                      int button = IDOK) const;

    // Presses Exit and waits for the program to end with 0.
    ::testing::AssertionResult Exit() const;
};

}  // namespace tarvik::e2e
