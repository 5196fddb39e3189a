#pragma once
// Reading and working the controls of another process's dialogs. Everything that could start
// something on the other side is posted, never sent, so a modal loop there cannot block the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik::e2e {

// Sends a message that carries no pointers and returns the answer, or fallback when the owner
// does not answer within a few seconds (a busy program must not block the test).
LRESULT AskWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback);

// The control's window; nullptr when the dialog has no control with that id.
HWND Control(HWND dialog, int id);
// The control's text (WM_GETTEXT); empty when the control is not there.
std::string ControlText(HWND dialog, int id);

// Clicks the button as a user would (posts BM_CLICK); fails when the button is missing, hidden
// or disabled, since a user could not click it then.
::testing::AssertionResult ClickButton(HWND dialog, int id);
// Posts the dialog the command a click of the control would send (WM_COMMAND, BN_CLICKED).
::testing::AssertionResult PostCommand(HWND dialog, int id);

bool IsChecked(HWND dialog, int id);

// Highlights the list box line with exactly this text as a click would: LB_SETCURSEL, then the
// LBN_SELCHANGE the dialog hears from a click, both posted.
::testing::AssertionResult SelectListLine(HWND dialog, int id, const std::string& text);

// Replaces an edit control's text (WM_SETTEXT, which the system carries across processes).
::testing::AssertionResult SetControlText(HWND dialog, int id, const std::string& text);

// List box lines (LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, which Wine carries across processes).
std::vector<std::string> ListBoxLines(HWND listBox);
std::vector<std::string> ListBoxLines(HWND dialog, int id);
// The selected line's index, -1 when none (single-selection list boxes).
int ListBoxSelection(HWND dialog, int id);
// Combo box lines (CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT) and the selected index.
std::vector<std::string> ComboBoxLines(HWND dialog, int id);
int ComboBoxSelection(HWND dialog, int id);

// "a", "b", "c" -> "\"a\", \"b\", \"c\"", for failure messages.
std::string QuotedList(const std::vector<std::string>& lines);

}  // namespace tarvik::e2e
