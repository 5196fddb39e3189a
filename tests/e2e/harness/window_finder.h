#pragma once
// Finding the windows of another process from outside, as a user sees them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

class TarvikProcess;

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string className;
    std::string title;
    bool visible = false;
    LONG style = 0;
};

using WindowPredicate = std::function<bool(const WindowInfo&)>;

std::string ClassNameOf(HWND hwnd);
// The text of any window, also of a control in another process (WM_GETTEXT is carried across
// processes); falls back to the title the window system keeps when the owner does not answer.
std::string WindowText(HWND hwnd);
// The title the window system keeps for a window; never waits for its owner.
std::string WindowTitle(HWND hwnd);
WindowInfo DescribeWindow(HWND hwnd);

// Top-level windows of the process, hidden ones too, in z-order.
std::vector<WindowInfo> TopLevelWindows(DWORD pid);
// One line per visible top-level window of the process (message boxes with their text), for
// failure messages; "no visible windows" when there are none.
std::string DescribeWindows(DWORD pid);

// A dialog-class ("#32770") window carrying a message box's text control (id 0xFFFF).
bool IsMessageBox(HWND hwnd);
// The main window: the visible top-level dialog titled "Tarvik" (not a message box).
bool IsMainWindow(const WindowInfo& window);
HWND FindMainWindow(DWORD pid);
// The first visible top-level window of the process for which predicate holds.
HWND FindWindowOf(DWORD pid, const WindowPredicate& predicate);

// Waits until a visible top-level window of the process matches; stops early, with the exit
// code in the message, when the process ends. what names the window in the failure message.
::testing::AssertionResult WaitForWindow(const TarvikProcess& process,
                                         const WindowPredicate& predicate, const std::string& what,
                                         HWND* found, Milliseconds timeout = kDefaultTimeout);
::testing::AssertionResult WaitForMainWindow(const TarvikProcess& process, HWND* found,
                                             Milliseconds timeout = kDefaultTimeout);
// Waits until no visible top-level window of the process matches any more.
::testing::AssertionResult WaitForWindowGone(const TarvikProcess& process,
                                             const WindowPredicate& predicate,
                                             const std::string& what,
                                             Milliseconds timeout = kDefaultTimeout);

// Whether the window's thread answers within timeout (SendMessageTimeout with WM_NULL).
bool IsResponsive(HWND hwnd, Milliseconds timeout = Milliseconds{5000});
// Lets the window's thread finish what it was doing and repaint, before reading or
// photographing it.
void Settle(HWND hwnd);

}  // namespace tarvik::e2e
