#include "results/win32/csv_manager.h"

#include "base/prompt.h"
#include "results/csv_header.h"
#include "results/result_set.h"
#include "results/win32/game_files.h"
#include "res/resource_ids.h"

namespace tarvik {

namespace {
constexpr const char* kCaption = "!";
constexpr const char* kNothingHighlighted = "No map selected";
constexpr const char* kNothingPicked = "No map(s) selected";
}  // namespace

CManageCSV::CManageCSV(const PageContext& context) : Dialog(IDD_MANAGE_CSV), context_(context) {}

BOOL CManageCSV::OnInit() {
    available_.SubclassDlgItem(IDC_MANAGE_AVAILABLE, Handle());
    picked_.SubclassDlgItem(IDC_MANAGE_PICKED, Handle());
    header_.SubclassDlgItem(IDC_MANAGE_HEADER, Handle());
    for (const std::string& name : WindowsGameFiles().ListCsvNames(context_.state.gameFolder)) {
        available_.AddString(name);
    }
    return TRUE;
}

bool CManageCSV::OnCommand(int id, int code, HWND control) {
    const bool listEvent = id == IDC_MANAGE_AVAILABLE || id == IDC_MANAGE_PICKED;
    if (listEvent && code == LBN_SELCHANGE) {
        ShowHeader(id);
        return true;
    }
    if ((id == IDC_MANAGE_AVAILABLE && code == LBN_DBLCLK) ||
        (id == IDC_MANAGE_SELECT && code == BN_CLICKED)) {
        Pick();
        return true;
    }
    if ((id == IDC_MANAGE_PICKED && code == LBN_DBLCLK) ||
        (id == IDC_MANAGE_UNSELECT && code == BN_CLICKED)) {
        Unpick();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_MANAGE_DELETE) {
        DeletePicked();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_MANAGE_SHOW) {
        ShowPicked();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void CManageCSV::Pick() {
    if (picked_.Count() >= kMaxPickedCsvFiles) {
        Tell("Sorry there is a maximum of 16 csv files");
        return;
    }
    const int highlighted = available_.Selection();
    if (highlighted == LB_ERR) {
        Tell(kNothingHighlighted);
        return;
    }
    picked_.AddString(available_.Text(highlighted));
    available_.DeleteString(highlighted);
}

void CManageCSV::Unpick() {
    const int highlighted = picked_.Selection();
    if (highlighted == LB_ERR) {
        Tell(kNothingHighlighted);
        return;
    }
    available_.AddString(picked_.Text(highlighted));
    picked_.DeleteString(highlighted);
}

void CManageCSV::ShowHeader(int listId) {
    const ListBox& list = listId == IDC_MANAGE_AVAILABLE ? available_ : picked_;
    const ListBox& other = listId == IDC_MANAGE_AVAILABLE ? picked_ : available_;
    header_.ResetContent();
    other.SetSelection(-1);
    const int highlighted = list.Selection();
    if (highlighted == LB_ERR) {
        return;
    }
    const auto lines = ReadHeaderLines(PathOf(list.Text(highlighted)));
    if (!lines) {
        Tell("Can't open csv");
        return;
    }
    for (const std::string& line : *lines) {
        header_.AddString(line);
    }
}

void CManageCSV::DeletePicked() {
    if (picked_.Count() == 0) {
        Tell(kNothingPicked);
        return;
    }
    if (context_.prompt.Show("Are you sure you want to delete selected files?", kCaption,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    bool failed = false;
    for (int index = 0; index < picked_.Count();) {
        if (DeleteFileA(PathOf(picked_.Text(index)).c_str())) {
            picked_.DeleteString(index);
        } else {
            Tell("Could not delete file");
            failed = true;
            ++index;
        }
    }
    Tell(failed ? "An error occured while deleting your file(s)" : "Delete file(s) successfull");
}

void CManageCSV::ShowPicked() {
    if (picked_.Count() == 0) {
        Tell(kNothingPicked);
        return;
    }
    context_.state.selectedCsvFiles = picked_.Texts();
    context_.state.loadSelectedFlag = true;
    context_.pages.ShowPage(kPageResults);
    EndDialog(IDOK);
}

void CManageCSV::Tell(const std::string& text) const {
    context_.prompt.Show(text, kCaption);
}

std::string CManageCSV::PathOf(const std::string& name) const {
    return CsvFilePath(context_.state.gameFolder, name);
}

}  // namespace tarvik
