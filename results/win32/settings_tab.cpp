#include "results/win32/settings_tab.h"

#include "base/format.h"
#include "base/prompt.h"
#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "results/result_set.h"
#include "results/settings_input.h"
#include "results/win32/csv_manager.h"
#include "results/win32/game_files.h"

namespace tarvik {

namespace {
constexpr const char* kCaption = "!";
constexpr int kSliderLowest = 2;
constexpr int kSliderHighest = 16;
}  // namespace

void ModalCsvManager::Open(HWND owner) {
    CManageCSV manager(context_);
    manager.DoModal(owner);
}

Csettings::Csettings(const PageContext& context) : Csettings(context, modalManager_) {}

Csettings::Csettings(const PageContext& context, CsvManagerOpener& manager)
    : PropertyPage(IDD_PAGE_SETTINGS),
      context_(context),
      modalManager_(context),
      manager_(manager) {}

BOOL Csettings::OnInit() {
    const Trackbar slider(Handle(), IDC_SETTINGS_MAX_RESULTS);
    slider.SetRange(kSliderLowest, kSliderHighest);
    slider.SetPosition(kSliderHighest);
    ShowMaxResults(kSliderHighest);
    return TRUE;
}

// Runs change the settings too; show them as they are now.
void Csettings::OnSetActive() {
    const ResultSettings& settings = context_.state.settings;
    Trackbar(Handle(), IDC_SETTINGS_MAX_RESULTS).SetPosition(settings.maxResults);
    ShowMaxResults(settings.maxResults);
    SetItemText(IDC_SETTINGS_START_SUBFRAME, Format("%d", settings.startSubframe));
    CheckItem(IDC_SETTINGS_AVERAGE_BY_SECOND, settings.averageBySecond);
}

bool Csettings::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_SETTINGS_AVERAGE_BY_SECOND:
                context_.state.settings.averageBySecond =
                    IsItemChecked(IDC_SETTINGS_AVERAGE_BY_SECOND);
                return true;
            case IDC_SETTINGS_APPLY:
                Apply();
                return true;
            case IDC_SETTINGS_CLEAR_ALL:
                ClearAllCsvFiles();
                return true;
            case IDC_SETTINGS_MANAGE:
                manager_.Open(Handle());
                return true;
            default:
                break;
        }
    }
    return PropertyPage::OnCommand(id, code, control);
}

void Csettings::OnControlScroll(HWND, int controlId) {
    if (controlId == IDC_SETTINGS_MAX_RESULTS) {
        const int position = Trackbar(Handle(), IDC_SETTINGS_MAX_RESULTS).Position();
        context_.state.settings.maxResults = position;
        ShowMaxResults(position);
    }
}

void Csettings::ShowMaxResults(int value) const {
    SetItemText(IDC_SETTINGS_MAX_RESULTS_VALUE, Format("%d", value));
}

void Csettings::Apply() const {
    int& startSubframe = context_.state.settings.startSubframe;
    const SubframeEntry entry = CheckSubframeEntry(ItemText(IDC_SETTINGS_START_SUBFRAME));
    Tell(entry.message);
    if (entry.value) {
        startSubframe = *entry.value;
    }
    SetItemText(IDC_SETTINGS_START_SUBFRAME, Format("%d", startSubframe));
}

void Csettings::ClearAllCsvFiles() const {
    if (context_.prompt.Show("Are you sure you want to delete all results?", kCaption,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    const std::string& game = context_.state.gameFolder;
    int kept = 0;
    for (const std::string& name : WindowsGameFiles().ListCsvNames(game)) {
        if (!DeleteFileA(CsvFilePath(game, name).c_str())) {
            ++kept;
        }
    }
    // "Done" alone would claim every file went.
    Tell(kept == 0 ? std::string("Done") : Format("%d result file(s) could not be deleted.", kept));
}

void Csettings::Tell(const std::string& text) const {
    context_.prompt.Show(text, kCaption);
}

}  // namespace tarvik
