#pragma once
// A property sheet living as a child window of the main window: the program's tab set. It has no
// OK, Cancel or Apply buttons of its own.
#include <vector>

#include "base/win32/property_page.h"

namespace tarvik {

class TabSet {
  public:
    // Creates the sheet as a visible child of parent with the pages in tab order.
    bool Create(HWND parent, const std::vector<PropertyPage*>& pages);
    HWND Handle() const { return sheet_; }
    void ShowPage(int index);
    int CurrentPage() const;

  private:
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);
    void RemoveButtonRow();

    HWND sheet_ = nullptr;
};

}  // namespace tarvik
