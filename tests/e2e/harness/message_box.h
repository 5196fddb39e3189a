#pragma once
// Message boxes of another process: read them and answer them from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

class TarvikProcess;

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
};

MessageBoxInfo ReadMessageBox(HWND messageBox);
// The visible message boxes of the process.
std::vector<MessageBoxInfo> MessageBoxes(DWORD pid);

// Waits for a message box of the process; stops early when the process ends.
::testing::AssertionResult WaitForMessageBox(const TarvikProcess& process, MessageBoxInfo* found,
                                             Milliseconds timeout = kDefaultTimeout);
// Presses the box's button (IDOK, IDYES, IDNO...) by posting the command a click would give;
// fails when the box has no such button.
::testing::AssertionResult PressMessageBoxButton(const MessageBoxInfo& box, int buttonId);
// Waits for a message box, checks its exact text and caption, and presses buttonId. The
// failure message quotes what was expected and what appeared.
::testing::AssertionResult AnswerMessageBox(const TarvikProcess& process,
                                            const std::string& expectedText,
                                            const std::string& expectedCaption, int buttonId = IDOK,
                                            Milliseconds timeout = kDefaultTimeout);

}  // namespace tarvik::e2e
