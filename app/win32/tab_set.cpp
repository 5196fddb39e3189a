#include "app/win32/tab_set.h"

namespace tarvik {

namespace {
// The standard buttons of a property sheet.
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, 0x3021 /* Apply */, IDHELP};

// Both template forms start with their styles; the extended form has a signature first.
void MakeChildTemplate(void* dialogTemplate) {
    auto* words = static_cast<WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    DWORD* exStyle;
    DWORD* style;
    if (extended) {
        auto* ex = reinterpret_cast<DWORD*>(words + 4);  // dlgVer, signature, helpID
        exStyle = ex;
        style = ex + 1;
    } else {
        auto* plain = static_cast<DLGTEMPLATE*>(dialogTemplate);
        style = &plain->style;
        exStyle = &plain->dwExtendedStyle;
    }
    *style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME | WS_BORDER |
                WS_DLGFRAME | DS_CONTEXTHELP);
    *style |= WS_CHILD | WS_TABSTOP;
    *exStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTEXTHELP);
    *exStyle |= WS_EX_CONTROLPARENT;
}
}  // namespace

int CALLBACK TabSet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam != 0) {
        MakeChildTemplate(reinterpret_cast<void*>(lParam));
    }
    return 0;
}

bool TabSet::Create(HWND parent, const std::vector<PropertyPage*>& pages) {
    std::vector<PROPSHEETPAGEA> descriptions;
    descriptions.reserve(pages.size());
    for (PropertyPage* page : pages) {
        descriptions.push_back(page->Describe());
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags =
        PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = parent;
    header.hInstance = Dialog::ResourceModule();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();
    header.pfnCallback = SheetCallback;
    sheet_ = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet_ || sheet_ == reinterpret_cast<HWND>(-1)) {
        sheet_ = nullptr;
        return false;
    }
    SetWindowLongPtrA(sheet_, GWL_EXSTYLE,
                      GetWindowLongPtrA(sheet_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    SetWindowLongPtrA(sheet_, GWL_STYLE, GetWindowLongPtrA(sheet_, GWL_STYLE) | WS_TABSTOP);
    RemoveButtonRow();
    ShowWindow(sheet_, SW_SHOW);
    return true;
}

// Hides the sheet's own buttons and gives their row back: the main window has its own.
void TabSet::RemoveButtonRow() {
    int buttonsTop = 0;
    for (int id : kSheetButtons) {
        if (HWND button = GetDlgItem(sheet_, id)) {
            RECT rect;
            GetWindowRect(button, &rect);
            MapWindowPoints(nullptr, sheet_, reinterpret_cast<POINT*>(&rect), 2);
            if (buttonsTop == 0 || rect.top < buttonsTop) {
                buttonsTop = rect.top;
            }
            ShowWindow(button, SW_HIDE);
            EnableWindow(button, FALSE);
        }
    }
    HWND tabs = PropSheet_GetTabControl(sheet_);
    if (!tabs || buttonsTop == 0) {
        return;
    }
    RECT tabRect;
    GetWindowRect(tabs, &tabRect);
    MapWindowPoints(nullptr, sheet_, reinterpret_cast<POINT*>(&tabRect), 2);
    RECT sheetRect;
    GetWindowRect(sheet_, &sheetRect);
    RECT client;
    GetClientRect(sheet_, &client);
    // Keep below the tabs the same margin as at their left.
    const int newClientHeight = tabRect.bottom + tabRect.left;
    const int frame = (sheetRect.bottom - sheetRect.top) - (client.bottom - client.top);
    SetWindowPos(sheet_, nullptr, 0, 0, sheetRect.right - sheetRect.left, newClientHeight + frame,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabSet::ShowPage(int index) {
    if (sheet_) {
        PropSheet_SetCurSel(sheet_, nullptr, index);
    }
}

int TabSet::CurrentPage() const {
    if (!sheet_) {
        return -1;
    }
    HWND tabs = PropSheet_GetTabControl(sheet_);
    return tabs ? TabCtrl_GetCurSel(tabs) : -1;
}

}  // namespace tarvik
