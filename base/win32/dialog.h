#pragma once
// One dialog procedure for every dialog and property page: it keeps `this` in the window's user
// data and forwards to typed handlers, so a dialog class reads as a list of its reactions.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace tarvik {

class Dialog {
  public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    // Modal: returns the value given to EndDialog, or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND owner);
    // Modeless, for tests and child dialogs.
    HWND Create(HWND parent);

    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, const std::string& text) const;
    std::string ItemText(int id) const;
    void EnableItem(int id, bool on) const;
    void CheckItem(int id, bool on) const;
    bool IsItemChecked(int id) const;
    // The font stays the caller's: it must outlive the control.
    void SetItemFont(int id, HFONT font) const;
    // The title bar's and the task bar's icon.
    void SetIcons(HICON icon) const;
    int TemplateId() const { return templateId_; }
    void EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

    // The module whose resources the dialogs come from (the program itself by default).
    static HINSTANCE ResourceModule();

  protected:
    explicit Dialog(int templateId) : templateId_(templateId) {}

    // TRUE lets the system set the default focus.
    virtual BOOL OnInit() { return TRUE; }
    // Returns true when the command was handled.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnTimer(UINT_PTR id);
    // The context menu key or a right click over `window`; screen is (-1, -1) from the keyboard.
    // Returns true when a menu was shown.
    virtual bool OnContextMenu(HWND window, POINT screen);
    // A slider or scroll bar control moved (mouse or keyboard), horizontally.
    virtual void OnControlScroll(HWND control, int controlId);
    // Returns true when the background was drawn.
    virtual bool OnEraseBackground(HDC dc);
    // Returns true and sets hit when the handler decides the hit test.
    virtual bool OnHitTest(POINT screen, LRESULT& hit);
    // The pointer moved over `window` (the dialog or one of its children); true when the
    // handler has set the cursor itself.
    virtual bool OnSetCursor(HWND window, int hitTest, UINT mouseMessage);
    // Colours of a child control about to be drawn (WM_CTLCOLORSTATIC and its kin): set them on
    // `dc` and return the background brush, or null to leave the control to the system.
    virtual HBRUSH OnControlColor(HDC dc, HWND control, int controlId);
    virtual void OnDestroy() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Messages the typed handlers do not cover; return true when handled (result in
    // DWLP_MSGRESULT).
    virtual bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Binds a dialog object to its window at WM_INITDIALOG.
    static void Attach(HWND hwnd, Dialog* dialog);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    int templateId_;
    HWND hwnd_ = nullptr;
};

}  // namespace tarvik
