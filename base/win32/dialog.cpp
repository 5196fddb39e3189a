#include "base/win32/dialog.h"

#include "base/win32/controls.h"
#include "base/win32/message_params.h"

namespace tarvik {

namespace {
INT_PTR Answer(HWND hwnd, LRESULT result) {
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
}  // namespace

HINSTANCE Dialog::ResourceModule() {
    return GetModuleHandleA(nullptr);
}

INT_PTR Dialog::DoModal(HWND owner) {
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND parent) {
    return CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::SetItemText(int id, const std::string& text) const {
    Control(hwnd_, id).SetText(text);
}

std::string Dialog::ItemText(int id) const {
    return Control(hwnd_, id).Text();
}

void Dialog::EnableItem(int id, bool on) const {
    Control(hwnd_, id).Enable(on);
}

void Dialog::CheckItem(int id, bool on) const {
    Button(hwnd_, id).SetChecked(on);
}

bool Dialog::IsItemChecked(int id) const {
    return Button(hwnd_, id).IsChecked();
}

void Dialog::SetItemFont(int id, HFONT font) const {
    Control(hwnd_, id).SetFont(font);
}

void Dialog::SetIcons(HICON icon) const {
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

bool Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}
void Dialog::OnTimer(UINT_PTR) {}
bool Dialog::OnEraseBackground(HDC) {
    return false;
}
bool Dialog::OnHitTest(POINT, LRESULT&) {
    return false;
}
bool Dialog::OnSetCursor(HWND, int, UINT) {
    return false;
}
HBRUSH Dialog::OnControlColor(HDC, HWND, int) {
    return nullptr;
}

void Dialog::OnControlScroll(HWND, int) {}

bool Dialog::OnContextMenu(HWND, POINT) {
    return false;
}

bool Dialog::OnOtherMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void Dialog::Attach(HWND hwnd, Dialog* dialog) {
    dialog->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Attach(hwnd, reinterpret_cast<Dialog*>(lParam));
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInit();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                return Answer(hwnd_, result);
            }
            return FALSE;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return TRUE;
        case WM_CONTEXTMENU:
            return OnContextMenu(reinterpret_cast<HWND>(wParam), PointFromParam(lParam)) ? TRUE
                                                                                         : FALSE;
        case WM_HSCROLL:
            // Only a control's own scroll messages: the dialog has no scroll bar of its own.
            if (lParam != 0) {
                OnControlScroll(reinterpret_cast<HWND>(lParam),
                                GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
                return TRUE;
            }
            return FALSE;
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? Answer(hwnd_, TRUE) : FALSE;
        case WM_NCHITTEST: {
            LRESULT hit = 0;
            return OnHitTest(PointFromParam(lParam), hit) ? Answer(hwnd_, hit) : FALSE;
        }
        case WM_SETCURSOR: {
            const CursorQuery query = CursorQueryFromParams(wParam, lParam);
            return OnSetCursor(query.window, query.hitTest, query.mouseMessage)
                       ? Answer(hwnd_, TRUE)
                       : FALSE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR: {
            // These return the brush itself, not through DWLP_MSGRESULT.
            const auto control = reinterpret_cast<HWND>(lParam);
            return reinterpret_cast<INT_PTR>(
                OnControlColor(reinterpret_cast<HDC>(wParam), control, GetDlgCtrlID(control)));
        }
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            return FALSE;
        default: {
            LRESULT result = 0;
            if (!OnOtherMessage(message, wParam, lParam, result)) {
                return FALSE;
            }
            // These few messages return their value directly instead of through DWLP_MSGRESULT.
            const bool direct = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                                message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
                                message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
            return direct ? static_cast<INT_PTR>(result) : Answer(hwnd_, result);
        }
    }
}

}  // namespace tarvik
