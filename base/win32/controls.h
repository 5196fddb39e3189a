#pragma once
// Small typed wrappers over the standard controls of a dialog: they hold the control's handle
// only (the dialog owns the window) and turn each control message into a call with types, so
// page code never sends a raw control message.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace tarvik {

// What every control offers: text, enabling, showing, font.
class Control {
  public:
    Control() = default;
    explicit Control(HWND handle) : hwnd_(handle) {}
    Control(HWND dialog, int id) : hwnd_(GetDlgItem(dialog, id)) {}

    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }
    int Id() const { return GetDlgCtrlID(hwnd_); }

    std::string Text() const;
    void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }
    void Enable(bool on) const { EnableWindow(hwnd_, on ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void Show(bool on) const { ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void SetFont(HFONT font, bool redraw = true) const;
    HFONT Font() const;
    // Paints now: for controls changed inside one long message.
    void Update() const { UpdateWindow(hwnd_); }

  protected:
    // For wrappers that bind to their control after construction.
    void Bind(HWND handle) { hwnd_ = handle; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(hwnd_, message, wParam, lParam);
    }

  private:
    HWND hwnd_ = nullptr;
};

class ListBox : public Control {
  public:
    using Control::Control;

    // The box's own results: the index, LB_ERR or LB_ERRSPACE.
    int AddString(const std::string& text) const;
    int InsertString(int index, const std::string& text) const;
    // The number of items left, or LB_ERR.
    int DeleteString(int index) const;
    void ResetContent() const { Send(LB_RESETCONTENT); }
    // Adds the names matching a wildcard path (LB_DIR with the given DDL_ attributes).
    int Dir(UINT attributes, const std::string& wildcardPath) const;

    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    // Empty for an index outside the list.
    std::string Text(int index) const;
    std::vector<std::string> Texts() const;
    // LB_ERR when none is selected.
    int Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    // -1 clears the selection.
    void SetSelection(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
    // The first item whose whole text matches, case-insensitively; LB_ERR when none.
    int FindExact(const std::string& text) const;
    int HorizontalExtent() const { return static_cast<int>(Send(LB_GETHORIZONTALEXTENT)); }
    void SetHorizontalExtent(int extent) const {
        Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
    }
};

class ComboBox : public Control {
  public:
    using Control::Control;

    int AddString(const std::string& text) const;
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    std::string Text(int index) const;
    // CB_ERR when none is selected.
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetSelection(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    LPARAM ItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const {
        Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }
};

class Trackbar : public Control {
  public:
    using Control::Control;

    void SetRange(int low, int high, bool redraw = true) const;
    int RangeMin() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int RangeMax() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
    int Position() const { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPosition(int position) const { Send(TBM_SETPOS, TRUE, position); }
};

// A check box, radio button or push button.
class Button : public Control {
  public:
    using Control::Control;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool on) const { Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
    // As if the user clicked it: the parent hears BN_CLICKED.
    void Click() const { Send(BM_CLICK); }
};

// Radio buttons with consecutive ids, of which one at most is checked.
class RadioGroup {
  public:
    RadioGroup(HWND dialog, int firstId, int lastId)
        : dialog_(dialog), firstId_(firstId), lastId_(lastId) {}

    void Check(int id) const { CheckRadioButton(dialog_, firstId_, lastId_, id); }
    // The checked button's id, or 0 when none is.
    int CheckedId() const;

  private:
    HWND dialog_;
    int firstId_;
    int lastId_;
};

class EditBox : public Control {
  public:
    using Control::Control;

    void SetReadOnly(bool on) const { Send(EM_SETREADONLY, on ? TRUE : FALSE); }
    bool IsReadOnly() const { return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
    void LimitText(int characters) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void Select(int first, int last) const { Send(EM_SETSEL, first, last); }
};

class ListView : public Control {
  public:
    using Control::Control;

    // The new column's index, or -1.
    int InsertColumn(int index, const std::string& heading, int width) const;
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    // For an owner-data list: the rows it has, without storing any.
    void SetItemCount(int count, DWORD flags = LVSICF_NOINVALIDATEALL) const {
        Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), flags);
    }
    int ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }
    void EnsureVisible(int index) const { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index)); }
    void RedrawItems(int first, int last) const { Send(LVM_REDRAWITEMS, first, last); }
    // The first selected row, or -1.
    int Selection() const;
    std::string ItemText(int row, int column) const;
};

}  // namespace tarvik
