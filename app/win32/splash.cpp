#include "app/win32/splash.h"

#include "res/resource_ids.h"

namespace tarvik {

namespace {
constexpr UINT_PTR kCloseTimer = 16;
constexpr UINT kShowMilliseconds = 2000;
}  // namespace

Csplashdlg::Csplashdlg() : Dialog(IDD_SPLASH) {}

BOOL Csplashdlg::OnInit() {
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
