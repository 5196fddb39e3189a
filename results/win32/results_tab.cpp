#include "results/win32/results_tab.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "base/prompt.h"
#include "base/replace_file.h"
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
// The saved text is written here beside the chosen file first, so a failure part-way never
// leaves a half-written file (nor destroys the one that was there).
constexpr const char* kSaveTemporarySuffix = ".tarvik-tmp";
}  // namespace

Cresults::Cresults(const PageContext& context) : Cresults(context, fileDialogs_, modalGraphs_) {}

Cresults::Cresults(const PageContext& context, FileChooser& files, GraphDialogs& graphs)
    : PropertyPage(IDD_PAGE_RESULTS),
      context_(context),
      files_(files),
      modalGraphs_(context),
      graphs_(graphs) {}

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
                ShowGraph(id);
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
    std::string text;
    for (const std::string& line : list_.Texts()) {
        text += line + "\r\n";
    }
    if (!WriteFileReplacing(*path, text, kSaveTemporarySuffix)) {
        context_.prompt.Show(Format(kCantSavePattern, path->c_str()), kMessageCaption);
        return;
    }
    context_.prompt.Show(kSaveCompleteMessage, kMessageCaption);
}

void Cresults::ShowGraph(int button) {
    if (context_.state.results.Count() == 0) {
        context_.prompt.Show(kNoResultsMessage, kMessageCaption);
        return;
    }
    if (button == IDC_RESULTS_BAR_GRAPH) {
        graphs_.ShowBarGraph(Handle());
    } else {
        graphs_.ShowLineGraph(Handle());
    }
}

}  // namespace tarvik
