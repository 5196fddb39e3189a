#include "base/win32/property_page.h"

namespace tarvik {

PROPSHEETPAGEA PropertyPage::Describe() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = ResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // A page is handed its PROPSHEETPAGE, which carries the page object.
        auto* page =
            reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        Attach(hwnd, page);
    }
    auto* page = reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return page ? page->Dispatch(message, wParam, lParam) : FALSE;
}

bool PropertyPage::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case PSN_SETACTIVE:
            OnSetActive();
            result = 0;
            return true;
        case PSN_KILLACTIVE:
            OnKillActive();
            result = FALSE;  // let the page go
            return true;
        default:
            return false;
    }
}

}  // namespace tarvik
