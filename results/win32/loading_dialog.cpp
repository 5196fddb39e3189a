#include "results/win32/loading_dialog.h"

#include <vector>

#include "base/format.h"
#include "base/win32/controls.h"
#include "res/resource_ids.h"

namespace tarvik {

CLoading::CLoading(AppState& state, GameFiles& files, Prompt& prompt)
    : Dialog(IDD_LOADING), state_(state), files_(files), prompt_(prompt) {}

BOOL CLoading::OnInit() {
    ShowText(IDC_LOADING_COMPLETED, "0");
    timerRunning_ = SetTimer(Handle(), kLoadTimerId, kLoadDelayMs, nullptr) != 0;
    if (!timerRunning_) {
        // Without a timer, load at once rather than hang with the dialog open.
        PostMessageA(Handle(), WM_TIMER, kLoadTimerId, 0);
    }
    return TRUE;
}

void CLoading::OnTimer(UINT_PTR id) {
    if (id != kLoadTimerId) {
        return;
    }
    StopTimer();
    Load();
    EndDialog(IDOK);
}

void CLoading::OnDestroy() {
    StopTimer();
}

void CLoading::StopTimer() {
    if (timerRunning_) {
        KillTimer(Handle(), kLoadTimerId);
        timerRunning_ = false;
    }
}

void CLoading::Load() {
    if (state_.loadSelectedFlag) {
        state_.loadSelectedFlag = false;
        state_.results.LoadSelected(state_.selectedCsvFiles, state_.gameFolder, state_.settings,
                                    *this, prompt_);
        return;
    }
    OnOperation(kSearchingOperation);
    state_.results.LoadNewest(ListNames(), state_.gameFolder, state_.settings, *this, prompt_);
}

// The names pass through the hidden sorted list box, which holds them in the order the
// program has always shown them in.
std::vector<std::string> CLoading::ListNames() {
    const ListBox list(Handle(), IDC_HIDDEN_FILE_LIST);
    list.ResetContent();
    for (const std::string& name : files_.ListCsvNames(state_.gameFolder)) {
        list.AddString(name);
    }
    return list.Texts();
}

void CLoading::ShowText(int id, const std::string& text) {
    SetItemText(id, text);
    // The load runs inside one message, so paint now or nothing would show until it ends.
    Control(Handle(), id).Update();
}

void CLoading::OnOperation(const std::string& text) {
    ShowText(IDC_LOADING_OPERATION, text);
}

void CLoading::OnFile(const std::string& fullPath) {
    ShowText(IDC_LOADING_FILE, fullPath);
}

void CLoading::OnCompleted(int count) {
    ShowText(IDC_LOADING_COMPLETED, Format("%d", count));
}

}  // namespace tarvik
