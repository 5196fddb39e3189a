#include "tests/e2e/harness/file_dialog.h"

#include <windows.h>

#include "tests/e2e/harness/controls.h"
#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {

// The file name box: the combo box of the newer dialogs, the edit box of the older ones.
constexpr int kFileNameIds[] = {0x47C, 0x480};

int FileNameBox(HWND dialog) {
    for (const int id : kFileNameIds) {
        if (GetDlgItem(dialog, id)) {
            return id;
        }
    }
    return 0;
}

}  // namespace

::testing::AssertionResult AnswerFileDialog(const TarvikProcess& process, const std::string& path,
                                            Milliseconds timeout) {
    const auto isFileDialog = [](const WindowInfo& window) {
        return window.visible && window.className == "#32770" && FileNameBox(window.hwnd) != 0;
    };
    HWND dialog = nullptr;
    auto shown = WaitForWindow(process, isFileDialog, "a file dialog", &dialog, timeout);
    if (!shown) {
        return shown;
    }
    auto typed = SetControlText(dialog, FileNameBox(dialog), path);
    if (!typed) {
        return typed;
    }
    auto pressed = ClickButton(dialog, IDOK);
    if (!pressed) {
        return pressed;
    }
    return WaitForWindowGone(
        process, [dialog](const WindowInfo& window) { return window.hwnd == dialog; },
        "the file dialog", timeout);
}

}  // namespace tarvik::e2e
