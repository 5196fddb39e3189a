#include "results/win32/loading_dialog.h"

#include <vector>

#include "base/format.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {
// LB_DIR matches short names too, so "x.csvx" can come back for "*.csv".
bool HasCsvExtension(const std::string& name) {
    return name.size() >= 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".csv") == 0;
}
}  // namespace

CLoading::CLoading(AppState& state, Prompt& prompt)
    : Dialog(IDD_LOADING), state_(state), prompt_(prompt) {}

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

// Listed through the hidden list box so the names come from the ANSI file functions that the
// parser opens them with.
std::vector<std::string> CLoading::ListNames() {
    const HWND list = Item(IDC_HIDDEN_FILE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const std::string pattern = Format(kCsvSearchPattern, state_.gameFolder.c_str());
    SendMessageA(list, LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(pattern.c_str()));
    std::vector<std::string> names;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[MAX_PATH] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= MAX_PATH) {
            continue;
        }
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        if (HasCsvExtension(name)) {
            names.emplace_back(name);
        }
    }
    return names;
}

void CLoading::ShowText(int id, const std::string& text) {
    SetDlgItemTextA(Handle(), id, text.c_str());
    // The load runs inside one message, so paint now or nothing would show until it ends.
    UpdateWindow(Item(id));
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
