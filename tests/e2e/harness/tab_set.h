#pragma once
// A property sheet of another process, seen from outside: its tab names, the current page, and
// switching pages as a click on a tab would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

class RemoteTabSet {
  public:
    // The sheet among parent's direct children: a dialog-class window holding a
    // "SysTabControl32". Works for the main window and for a page that nests a sheet.
    static ::testing::AssertionResult Find(HWND parent, RemoteTabSet* found);

    HWND Sheet() const { return sheet_; }
    HWND TabControl() const { return tabControl_; }

    std::vector<std::string> Names() const;
    // The selected tab (TCM_GETCURSEL), -1 when none or when the sheet does not answer.
    int CurrentIndex() const;
    // The window of the page shown now (PSM_GETCURRENTPAGEHWND).
    HWND CurrentPage() const;
    // Posts PSM_SETCURSEL and waits until the tab control shows that tab.
    ::testing::AssertionResult SelectPage(int index, Milliseconds timeout = kDefaultTimeout) const;

  private:
    HWND sheet_ = nullptr;
    HWND tabControl_ = nullptr;
};

}  // namespace tarvik::e2e
