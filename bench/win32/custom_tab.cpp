#include "bench/win32/custom_tab.h"

#include "base/format.h"
#include "base/stdio_file.h"
#include "base/win32/controls.h"
#include "bench/script_run.h"
#include "res/resource_ids.h"
#include "scripts/script_format.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

namespace {

constexpr const char* kScriptFilter = "Tarvik Script (*.tvx) |*.tvx||";

std::string FileNameOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool Readable(const std::string& path) {
    return static_cast<bool>(OpenStdioFile(path, "rb"));
}

}  // namespace

Cbench::Cbench(const PageContext& context)
    : Cbench(context, windowsFiles_, windowsLauncher_, modalEditor_) {}

Cbench::Cbench(const PageContext& context, FileChooser& files, GameLauncher& launcher,
               ScriptEditorOpener& editor)
    : PropertyPage(IDD_PAGE_CUSTOM),
      context_(context),
      windowsLauncher_(context.prompt),
      modalEditor_(context, windowsFiles_),
      files_(files),
      launcher_(launcher),
      editor_(editor) {}

BOOL Cbench::OnInit() {
    windowsFiles_.SetOwner(Handle());
    scripts_.SubclassDlgItem(IDC_CUSTOM_SCRIPTS, Handle());
    StyleButton(benchmark_, IDC_CUSTOM_BENCHMARK, Handle(),
                BenchmarkButtonLook(IDI_BENCHMARK, "Run Custom Benchmark"));
    RadioGroup(Handle(), IDC_CUSTOM_640, IDC_CUSTOM_1600)
        .Check(IDC_CUSTOM_640 + kCustomDefaultResolution);
    CheckItem(IDC_CUSTOM_ONLY_CURRENT, context_.state.customOnlyCurrent);
    return TRUE;
}

void Cbench::OnSetActive() {
    FillScriptList();
}

bool Cbench::OnCommand(int id, int code, HWND control) {
    if (id == IDC_CUSTOM_SCRIPTS && code == LBN_SELCHANGE) {
        OnListSelection();
        return true;
    }
    if (code != BN_CLICKED) {
        return PropertyPage::OnCommand(id, code, control);
    }
    switch (id) {
        case IDC_CUSTOM_BROWSE:
            OnBrowse();
            return true;
        case IDC_CUSTOM_NEW:
            OnEditor(false);
            return true;
        case IDC_CUSTOM_EDIT:
            if (ScriptChosen()) {
                OnEditor(true);
            }
            return true;
        case IDC_CUSTOM_DELETE:
            OnDelete();
            return true;
        case IDC_CUSTOM_BENCHMARK:
            OnRun();
            return true;
        case IDC_CUSTOM_ONLY_CURRENT:
            context_.state.customOnlyCurrent = IsItemChecked(IDC_CUSTOM_ONLY_CURRENT);
            return true;
        default:
            return PropertyPage::OnCommand(id, code, control);
    }
}

void Cbench::FillScriptList() const {
    scripts_.ResetContent();
    scripts_.Dir(DDL_READWRITE, context_.state.gameFolder + "\\Benchmark\\*.tvx");
}

void Cbench::Choose(const std::string& path, const std::string& name) {
    chosenPath_ = path;
    SetItemText(IDC_CUSTOM_CHOSEN, name);
}

// What counts is what the user sees: the box under the list.
bool Cbench::ScriptChosen() const {
    if (!ItemText(IDC_CUSTOM_CHOSEN).empty()) {
        return true;
    }
    Tell(kNoScriptSelected);
    return false;
}

void Cbench::OnListSelection() {
    const std::string name = scripts_.Text(scripts_.Selection());
    if (!name.empty()) {
        Choose(context_.state.gameFolder + "\\Benchmark\\" + name, name);
    }
}

void Cbench::OnBrowse() {
    FileQuestion question;
    question.filter = FilterFromBars(kScriptFilter);
    question.initialName = "*.tvx";
    if (const auto path = files_.ChooseOpenFile(question)) {
        Choose(*path, FileNameOf(*path));
    }
}

void Cbench::OnEditor(bool editMode) {
    editMode_ = editMode;
    editor_.Open(Handle(), editMode_, chosenPath_);
    FillScriptList();
}

void Cbench::OnDelete() {
    if (!ScriptChosen() || context_.prompt.Show(kDeleteQuestion, kCustomCaption,
                                                PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    if (!DeleteFileA(chosenPath_.c_str())) {
        // Saying "Done" here would leave the user believing the script is gone.
        Tell(Format("Can't delete %s", chosenPath_.c_str()));
        return;
    }
    Tell(kDeleteDone);
    FillScriptList();
    Choose("", "");
}

void Cbench::OnRun() {
    if (!ScriptChosen()) {
        return;
    }
    const AppState& state = context_.state;
    const auto run = LoadScriptForRun(chosenPath_, CustomResolution(ResolutionIndex()),
                                      state.isDemo, context_.prompt);
    if (!run) {
        Tell(kBadScript);
        return;
    }
    const ScriptIniPath systemIni = ResolveScriptIni(run->systemIni, state.gameFolder);
    if (!Readable(systemIni.checked)) {
        Tell(kCantOpenSystemIni);
        return;
    }
    const ScriptIniPath userIni = ResolveScriptIni(run->userIni, state.gameFolder);
    if (!Readable(userIni.checked)) {
        Tell(kCantOpenUserIni);
        return;
    }
    for (const ScriptCommandLine& line :
         ScriptRunLines(state.gameFolder, *run, systemIni.passed, userIni.passed)) {
        if (line.ok()) {
            launcher_.RunAndWait(line.commandLine);
        } else {
            Tell(line.error);
        }
    }
    FinishSequence(context_, static_cast<int>(run->maps.size()), state.customOnlyCurrent);
}

int Cbench::ResolutionIndex() const {
    const int checked = RadioGroup(Handle(), IDC_CUSTOM_640, IDC_CUSTOM_1600).CheckedId();
    return checked == 0 ? -1 : checked - IDC_CUSTOM_640;
}

void Cbench::Tell(const std::string& text) const {
    context_.prompt.Show(text, kCustomCaption);
}

}  // namespace tarvik
