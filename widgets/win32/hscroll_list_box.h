#pragma once
// CHScrollListBox: binds to a list box of a dialog and keeps its horizontal scroll extent at the
// width of its widest item, measured with the box's own font. It watches the list's own
// messages, so strings added by anyone (LB_ADDSTRING, LB_DIR...) count too.
#include <windows.h>

#include <string>

namespace tarvik {

class CHScrollListBox {
  public:
    CHScrollListBox() = default;
    ~CHScrollListBox();
    CHScrollListBox(const CHScrollListBox&) = delete;
    CHScrollListBox& operator=(const CHScrollListBox&) = delete;

    // False when the control does not exist or this object is already bound.
    bool SubclassDlgItem(int controlId, HWND dialog);
    bool Attach(HWND listBox);
    HWND Handle() const { return hwnd_; }

    // The list box's own results (index, LB_ERR, LB_ERRSPACE, or the count left).
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    // Adds the names matching a wildcard path (LB_DIR with the given DDL_ attributes).
    int Dir(UINT attributes, const std::string& wildcardPath);

    int GetCount() const;
    std::string GetText(int index) const;
    int HorizontalExtent() const;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();
    bool HasTabStops() const;
    int MeasureItem(int index) const;
    void Widen(int index);
    void Recompute();
    void SetExtent(int extent);

    HWND hwnd_ = nullptr;
};

}  // namespace tarvik
