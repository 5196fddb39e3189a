#include "scripts/win32/seconds_dialog.h"

#include "res/resource_ids.h"

namespace tarvik {

Cseconds::Cseconds(std::string& pendingRunTime, Prompt& prompt)
    : Dialog(IDD_SECONDS), pendingRunTime_(pendingRunTime), prompt_(prompt) {}

BOOL Cseconds::OnInit() {
    SetItemText(IDC_SECONDS_VALUE, pendingRunTime_);
    return TRUE;
}

void Cseconds::OnOK() {
    const std::string value = ItemText(IDC_SECONDS_VALUE);
    if (value.empty()) {
        prompt_.Show(kSecondsEmptyMessage, "!");
        return;
    }
    // Any text is taken; the editor refuses one too long for a script when it stores it.
    pendingRunTime_ = value;
    Close(IDOK);
}

void Cseconds::OnCancel() {
    Close(IDCANCEL);
}

void Cseconds::Close(INT_PTR result) {
    ended_ = true;
    EndDialog(result);
}

void SecondsDialogAsker::Ask(HWND owner, std::string& pendingRunTime) {
    Cseconds dialog(pendingRunTime, prompt_);
    dialog.DoModal(owner);
}

}  // namespace tarvik
