#pragma once
// CHScrollListBox: binds to a list box of a dialog and keeps its horizontal scroll extent at the
// width of its widest item, measured with the box's own font. It watches the list's own
// messages, so strings added by anyone (LB_ADDSTRING, LB_DIR...) count too.
#include <windows.h>

#include "base/win32/controls.h"

namespace tarvik {

class CHScrollListBox : public ListBox {
  public:
    CHScrollListBox() = default;
    ~CHScrollListBox();
    CHScrollListBox(const CHScrollListBox&) = delete;
    CHScrollListBox& operator=(const CHScrollListBox&) = delete;

    // False when the control does not exist or this object is already bound.
    bool SubclassDlgItem(int controlId, HWND dialog);
    bool Attach(HWND listBox);

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();
    bool HasTabStops() const;
    int MeasureItem(int index) const;
    void Widen(int index);
    void Recompute();
};

}  // namespace tarvik
