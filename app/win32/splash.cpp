#include "app/win32/splash.h"

#include "app/win32/window_geometry.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {
constexpr UINT_PTR kCloseTimer = 16;
constexpr UINT kShowMilliseconds = 2000;
}  // namespace

Csplashdlg::Csplashdlg() : Dialog(IDD_SPLASH) {}

BOOL Csplashdlg::OnInit() {
    // The picture sets the window's size: the dialog font may measure differently here than
    // the picture was drawn for.
    HWND picture = Item(IDC_SPLASH_PICTURE);
    BITMAP info{};
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (bitmap && GetObjectA(bitmap, sizeof(info), &info)) {
        ResizeAndCentre(Handle(), info.bmWidth, info.bmHeight);
        SetWindowPos(picture, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetTimer(Handle(), kCloseTimer, kShowMilliseconds, nullptr);
    return TRUE;
}

void Csplashdlg::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) {
        KillTimer(Handle(), kCloseTimer);
        OnCancel();
    }
}

}  // namespace tarvik
