#include "app/win32/tarvik_app.h"

#include <commctrl.h>

#include "base/win32/handles.h"
#include "app/win32/main_window.h"
#include "app/win32/self_check.h"
#include "app/win32/splash.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {

// Windows 95 and NT 4.0 both report version 4.0.
bool IsTooOldWindows() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) {
        return false;
    }
    return version.dwMajorVersion == 4 && version.dwMinorVersion == 0;
}

}  // namespace

CTarvikApp::CTarvikApp() : helpFile_(IDR_HELPFILE, "HELPFILE") {}

int CTarvikApp::Run() {
    if (IsTooOldWindows()) {
        prompt_.Show("You must be running windows 98 or higher to use this benchmark", "Tarvik !");
        return 0;
    }

    KernelHandle instance(CreateSemaphoreA(nullptr, 1, 1, "tarvik32"));
    // Without a semaphore the wait fails rather than timing out, and the program goes on.
    if (WaitForSingleObject(instance.Get(), 0) == WAIT_TIMEOUT) {
        prompt_.Show("This program is already running, please close the other copy and try again.",
                     "Tarvik !");
        return 0;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Csplashdlg splash;
    splash.DoModal(nullptr);

    const bool imageIntact = CheckOwnImage() == ImageCheck::Ok;
    {
        Cmainsheet mainWindow(state_, helpFile_, prompt_, imageIntact);
        mainWindow.DoModal(nullptr);
    }

    if (instance) {
        ReleaseSemaphore(instance.Get(), 1, nullptr);
    }
    return 0;
}

}  // namespace tarvik
