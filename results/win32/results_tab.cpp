#include "results/win32/results_tab.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "base/prompt.h"
#include "base/win32/handles.h"
#include "res/resource_ids.h"
#include "results/results_text.h"
#include "results/win32/game_files.h"
#include "results/win32/loading_dialog.h"
#include "upload/win32/score_dialog.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

namespace {
const char kSaveFilter[] = "Text file (*.txt) \0*.txt\0";
constexpr const char* kSaveExtension = "txt";
constexpr const char* kSaveCompleteMessage = "Save Complete :-)";
constexpr const char* kCantSavePattern = "Can't save the results to \"%s\"";
constexpr const char* kNoResultsMessage = "Sorry no results to display";
constexpr const char* kMessageCaption = "!";

bool WriteAll(HANDLE file, const std::string& text) {
    DWORD written = 0;
    return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// Written beside the target first and moved over it at the end, so a failure part-way never
// leaves a half-written file (nor destroys the one that was there).
bool WriteLinesReplacing(const std::string& path, const std::vector<std::string>& lines) {
    const std::string temporary = path + ".tarvik-tmp";
    bool written = false;
    {
        const FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() == INVALID_HANDLE_VALUE) {
            return false;
        }
        written = true;
        for (const std::string& line : lines) {
            if (!WriteAll(file.Get(), line + "\r\n")) {
                written = false;
                break;
            }
        }
    }
    if (written && MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileA(temporary.c_str());
    return false;
}
}  // namespace

Cresults::Cresults(const PageContext& context) : Cresults(context, fileDialogs_) {}

Cresults::Cresults(const PageContext& context, FileChooser& files)
    : PropertyPage(IDD_PAGE_RESULTS), context_(context), files_(files) {}

BOOL Cresults::OnInit() {
    fileDialogs_.SetOwner(Handle());
    list_.SubclassDlgItem(IDC_RESULTS_LIST, Handle());
    SetUpButton(save_, IDC_RESULTS_SAVE, IDI_SAVE, "Save your results to a text file");
    SetUpButton(barGraph_, IDC_RESULTS_BAR_GRAPH, IDI_BAR_GRAPH, "View results in a bar graph");
    SetUpButton(lineGraph_, IDC_RESULTS_LINE_GRAPH, IDI_LINE_GRAPH, "View results in a line graph");
    return TRUE;
}

void Cresults::SetUpButton(CButtonST& button, int id, int icon, const char* tooltip) {
    StyleButton(button, id, Handle(), RaisedIconLook(icon, tooltip));
}

void Cresults::OnSetActive() {
    Reload();
}

void Cresults::OnKillActive() {
    context_.state.results.Discard();
}

void Cresults::Reload() {
    list_.ResetContent();
    context_.state.results.ResetCount();
    WindowsGameFiles files;
    CLoading loading(context_.state, files, context_.prompt);
    loading.DoModal(Handle());
    for (const std::string& line : ResultsListLines(context_.state.results)) {
        list_.AddString(line);
    }
    if (context_.state.standardRun.scorePending) {
        ShowScoreDialog(context_, Handle());
    }
}

bool Cresults::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_RESULTS_SAVE:
                SaveToFile();
                return true;
            case IDC_RESULTS_BAR_GRAPH:
            case IDC_RESULTS_LINE_GRAPH:
                ShowGraph();
                return true;
            default:
                break;
        }
    }
    return PropertyPage::OnCommand(id, code, control);
}

void Cresults::SaveToFile() {
    SaveFileQuestion question;
    question.filter.assign(kSaveFilter, sizeof(kSaveFilter) - 1);
    question.defaultExtension = kSaveExtension;
    question.promptOverwrite = true;
    const std::optional<std::string> path = files_.ChooseSaveFile(question);
    if (!path) {
        return;
    }
    std::vector<std::string> lines;
    const int count = list_.GetCount();
    for (int i = 0; i < count; ++i) {
        lines.push_back(list_.GetText(i));
    }
    if (!WriteLinesReplacing(*path, lines)) {
        context_.prompt.Show(Format(kCantSavePattern, path->c_str()), kMessageCaption);
        return;
    }
    context_.prompt.Show(kSaveCompleteMessage, kMessageCaption);
}

void Cresults::ShowGraph() {
    if (context_.state.results.Count() == 0) {
        context_.prompt.Show(kNoResultsMessage, kMessageCaption);
        return;
    }
    // The bar and line graph windows open here once they exist.
}

}  // namespace tarvik
