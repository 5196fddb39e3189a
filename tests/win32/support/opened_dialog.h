#pragma once
// A dialog of the program opened modeless over a test's host window, driven by the messages its
// controls would send, and destroyed with the object.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/win32/controls.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {

// A dialog opened modeless over the host and driven the way its controls would tell it.
template <typename DialogType>
class OpenedDialog {
  public:
    template <typename... Args>
    explicit OpenedDialog(HWND host, Args&&... args)
        : dialog(std::forward<Args>(args)...), hwnd(dialog.Create(host)) {}
    ~OpenedDialog() {
        if (IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
        PumpMessages();
    }
    OpenedDialog(const OpenedDialog&) = delete;
    OpenedDialog& operator=(const OpenedDialog&) = delete;

    void Click(int id) const { SendMessageA(GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }
    void Command(int id, int code = BN_CLICKED) const {
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    }
    // Selects the line as a click would, with the notification a click sends.
    void Select(int listId, const std::string& line) const {
        const ListBox list(hwnd, listId);
        const int index = list.FindExact(line);
        ASSERT_GE(index, 0) << line;
        list.SetSelection(index);
        Command(listId, LBN_SELCHANGE);
    }
    void DoubleClick(int listId, int index) const {
        ListBox(hwnd, listId).SetSelection(index);
        Command(listId, LBN_DBLCLK);
    }
    std::string Text(int id) const { return Control(hwnd, id).Text(); }
    void SetText(int id, const std::string& text) const { SetDlgItemTextA(hwnd, id, text.c_str()); }
    std::vector<std::string> Lines(int id) const { return ListBox(hwnd, id).Texts(); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(hwnd, id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }

    DialogType dialog;
    HWND hwnd;
};

}  // namespace tarvik
