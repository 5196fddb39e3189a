#include "scripts/win32/script_editor.h"

#include <string_view>
#include <utility>
#include <vector>

#include "base/format.h"
#include "base/prompt.h"
#include "base/text.h"
#include "base/win32/controls.h"
#include "base/win32/handles.h"
#include "res/resource_ids.h"
#include "scripts/ini_ex.h"
#include "scripts/script_format.h"

namespace tarvik {
namespace {

constexpr const char* kCaption = "!";
constexpr const char* kNoMapSelected = "No map selected";
constexpr const char* kNoMapsToSave = "No Map Selected !";
constexpr const char* kNoSystemIni = "No System ini selected !";
constexpr const char* kNoUserIni = "No User ini selected !";
constexpr const char* kSaveComplete = "Save Complete :-)";
constexpr const char* kSaveFailed =
    "The script could not be written to \"%s\"; a file already there was left as it was.";
constexpr const char* kPathTooLong =
    "The path \"%s\" is longer than %d characters, so a script could not use it.";
constexpr const char* kScriptUnopenable =
    "The script \"%s\" could not be opened, so a new script is shown instead.";
constexpr const char* kTooManyMapsRead =
    "The script names more than %d maps: only the first %d were read, and only they are saved.";

constexpr const char* kIniFilter = "UT ini file (*.ini) |*.ini||";
constexpr const char* kScriptFilter = "Tarvik file (*.tvx) |*.tvx||";
constexpr const char* kScriptExtension = "tvx";
constexpr const char* kIniSearchPattern = "%s\\Benchmark\\Stuff\\*.ini";
constexpr const char* kIniFilePattern = "%s\\Benchmark\\Stuff\\%s";
constexpr const char* kMapSearchPattern = "%s\\Maps\\*.ut2";
constexpr const char* kScriptFolderPattern = "%s\\Benchmark";

constexpr int kMinBots = 2;
constexpr int kMaxBots = 16;
constexpr int kBotmatchBots = 12;

// Names only, of files whose extension really is the one asked for.
std::vector<std::string> FileNamesMatching(const std::string& pattern, std::string_view extension) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    const FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            HasExtension(entry.cFileName, extension)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileA(find.Get(), &entry));
    return names;
}

}  // namespace

Cnew::Cnew(const PageContext& context, FileChooser& files, bool& editMode,
           std::string chosenScriptPath)
    : Cnew(context, files, editMode, std::move(chosenScriptPath), nullptr) {}

Cnew::Cnew(const PageContext& context, FileChooser& files, bool& editMode,
           std::string chosenScriptPath, RunTimeAsker& asker)
    : Cnew(context, files, editMode, std::move(chosenScriptPath), &asker) {}

Cnew::Cnew(const PageContext& context, FileChooser& files, bool& editMode,
           std::string chosenScriptPath, RunTimeAsker* asker)
    : Dialog(IDD_SCRIPT_EDITOR),
      context_(context),
      files_(files),
      editMode_(editMode),
      chosenScriptPath_(std::move(chosenScriptPath)),
      secondsDialog_(context.prompt),
      asker_(asker ? *asker : secondsDialog_),
      systemIni_{IniKind::System,
                 IDC_EDITOR_SYSTEM_LIST,
                 IDC_EDITOR_SYSTEM_BROWSE,
                 IDC_EDITOR_SYSTEM_CHOSEN,
                 "This is not a valid system ini file",
                 {}},
      userIni_{IniKind::User,
               IDC_EDITOR_USER_LIST,
               IDC_EDITOR_USER_BROWSE,
               IDC_EDITOR_USER_CHOSEN,
               "This is not a valid user ini file",
               {}} {}

BOOL Cnew::OnInit() {
    systemList_.SubclassDlgItem(IDC_EDITOR_SYSTEM_LIST, Handle());
    userList_.SubclassDlgItem(IDC_EDITOR_USER_LIST, Handle());
    availableList_.SubclassDlgItem(IDC_EDITOR_AVAILABLE, Handle());
    selectedList_.SubclassDlgItem(IDC_EDITOR_SELECTED, Handle());
    FillIniLists();
    FillAvailableMaps();

    RadioGroup(Handle(), IDC_EDITOR_FLYBY, IDC_EDITOR_BOTMATCH).Check(IDC_EDITOR_FLYBY);
    Trackbar(Handle(), IDC_EDITOR_BOTS).SetRange(kMinBots, kMaxBots);
    ShowFlyby();
    if (editMode_) {
        LoadChosenScript();
        editMode_ = false;
    }
    return TRUE;
}

void Cnew::FillIniLists() {
    const std::string& folder = context_.state.gameFolder;
    for (const std::string& name :
         FileNamesMatching(Format(kIniSearchPattern, folder.c_str()), ".ini")) {
        switch (ClassifyIniFile(Format(kIniFilePattern, folder.c_str(), name.c_str()))) {
            case IniKind::System:
                systemList_.AddString(name);
                break;
            case IniKind::User:
                userList_.AddString(name);
                break;
            case IniKind::Neither:
                break;
        }
    }
}

void Cnew::FillAvailableMaps() {
    const std::string pattern = Format(kMapSearchPattern, context_.state.gameFolder.c_str());
    for (const std::string& name : FileNamesMatching(pattern, ".ut2")) {
        availableList_.AddString(name);
    }
}

void Cnew::LoadChosenScript() {
    // Loading reads an unopenable file as an empty bot-match script; better to say so.
    if (CIniEx probe; !probe.Open(chosenScriptPath_, false, false, true, false)) {
        Tell(Format(kScriptUnopenable, chosenScriptPath_.c_str()));
        return;
    }
    const ScriptDocument document = LoadScriptForEditing(chosenScriptPath_);
    // Kept as they stand: a relative path stays relative when saved again.
    for (auto [choice, path] :
         {std::pair{&systemIni_, &document.systemIni}, std::pair{&userIni_, &document.userIni}}) {
        choice->path = *path;
        SetItemText(choice->chosenId, IniNameOf(*path));
    }
    if (!document.flyby) {
        RadioGroup(Handle(), IDC_EDITOR_FLYBY, IDC_EDITOR_BOTMATCH).Check(IDC_EDITOR_BOTMATCH);
        ShowBotmatch(LeadingInteger(document.botCount));
        SetItemText(IDC_EDITOR_BOT_COUNT, document.botCount);
    }
    selected_.Load(document.maps);
    for (const ScriptMap& entry : selected_.Maps()) {
        selectedList_.AddString(entry.map);
    }
    if (document.tooManyMaps) {
        Tell(Format(kTooManyMapsRead, static_cast<int>(kMaxScriptMaps),
                    static_cast<int>(kMaxScriptMaps)));
    }
}

void Cnew::ShowFlyby() {
    const Trackbar slider(Handle(), IDC_EDITOR_BOTS);
    slider.SetPosition(kMinBots);
    slider.Enable(false);
    SetItemText(IDC_EDITOR_BOT_COUNT, kNoBotCount);
}

void Cnew::ShowBotmatch(int bots) {
    const Trackbar slider(Handle(), IDC_EDITOR_BOTS);
    slider.Enable(true);
    slider.SetPosition(bots);
    ShowBotCount();
}

void Cnew::ShowBotCount() {
    SetItemText(IDC_EDITOR_BOT_COUNT, Format("%d", Trackbar(Handle(), IDC_EDITOR_BOTS).Position()));
}

void Cnew::OnControlScroll(HWND, int controlId) {
    if (controlId == IDC_EDITOR_BOTS) {
        ShowBotCount();
    }
}

bool Cnew::OnCommand(int id, int code, HWND control) {
    for (IniChoice* choice : {&systemIni_, &userIni_}) {
        if (id == choice->listId && code == LBN_SELCHANGE) {
            PickFromList(*choice);
            return true;
        }
        if (id == choice->browseId && code == BN_CLICKED) {
            Browse(*choice);
            return true;
        }
    }
    if (id == IDC_EDITOR_SELECTED && code == LBN_DBLCLK) {
        ChangeRunTime();
        return true;
    }
    if (code != BN_CLICKED) {
        return Dialog::OnCommand(id, code, control);
    }
    switch (id) {
        case IDC_EDITOR_FLYBY:
            ShowFlyby();
            return true;
        case IDC_EDITOR_BOTMATCH:
            ShowBotmatch(kBotmatchBots);
            return true;
        case IDC_EDITOR_ADD:
            AddMap();
            return true;
        case IDC_EDITOR_REMOVE:
            RemoveMap();
            return true;
        case IDC_EDITOR_SAVE:
            Save();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

void Cnew::PickFromList(IniChoice& choice) {
    const ListBox list(Handle(), choice.listId);
    const int index = list.Selection();
    if (index < 0) {
        return;
    }
    Choose(choice,
           Format(kIniFilePattern, context_.state.gameFolder.c_str(), list.Text(index).c_str()));
}

void Cnew::Browse(IniChoice& choice) {
    FileQuestion question;
    question.filter = FilterFromBars(kIniFilter);
    question.initialName = "*.ini";
    question.promptOverwrite = false;
    const std::optional<std::string> path = files_.ChooseOpenFile(question);
    if (!path) {
        return;
    }
    if (ClassifyIniFile(*path) != choice.kind) {
        Tell(choice.wrongKindMessage);
        return;
    }
    Choose(choice, *path);
}

void Cnew::Choose(IniChoice& choice, const std::string& path) {
    // The Custom tab would refuse the script; the earlier choice stays.
    if (path.size() > kMaxIniPathChars) {
        Tell(Format(kPathTooLong, path.c_str(), static_cast<int>(kMaxIniPathChars)));
        return;
    }
    choice.path = path;
    SetItemText(choice.chosenId, IniNameOf(path));
}

void Cnew::AddMap() {
    const int index = availableList_.Selection();
    if (index < 0) {
        Tell(kNoMapSelected);
        return;
    }
    const std::string map = availableList_.Text(index);
    std::string problem = selected_.AddProblem(map);
    if (!problem.empty()) {
        Tell(problem);
        return;
    }
    // Moved before the question, so the user sees which map it is about.
    const int added = selectedList_.AddString(map);
    availableList_.DeleteString(index);
    std::string& pending = context_.state.pendingRunTime;
    pending = OfferedRunTime(map, kFirstRunTime);
    const std::string offered = pending;
    asker_.Ask(Handle(), pending);
    problem = selected_.Add(map, pending);
    if (problem.empty()) {
        return;
    }
    pending = offered;
    selectedList_.DeleteString(added);
    availableList_.AddString(map);
    Tell(problem);
}

void Cnew::ChangeRunTime() {
    const int index = selectedList_.Selection();
    if (index < 0 || static_cast<std::size_t>(index) >= selected_.Count()) {
        return;
    }
    const ScriptMap entry = selected_.Maps()[static_cast<std::size_t>(index)];
    std::string& pending = context_.state.pendingRunTime;
    pending = OfferedRunTime(entry.map, entry.seconds);
    const std::string offered = pending;
    asker_.Ask(Handle(), pending);
    const std::string problem = selected_.ChangeSeconds(static_cast<std::size_t>(index), pending);
    if (!problem.empty()) {
        pending = offered;
        Tell(problem);
    }
}

void Cnew::RemoveMap() {
    const int index = selectedList_.Selection();
    if (index < 0) {
        Tell(kNoMapSelected);
        return;
    }
    const std::string map = selectedList_.Text(index);
    selected_.Remove(static_cast<std::size_t>(index));
    selectedList_.DeleteString(index);
    // An edited script's maps were never taken out of the list: do not list them twice.
    if (availableList_.FindExact(map) < 0) {
        availableList_.AddString(map);
    }
}

void Cnew::Save() {
    if (selected_.Empty()) {
        Tell(kNoMapsToSave);
        return;
    }
    if (ItemText(IDC_EDITOR_SYSTEM_CHOSEN).empty()) {
        Tell(kNoSystemIni);
        return;
    }
    if (ItemText(IDC_EDITOR_USER_CHOSEN).empty()) {
        Tell(kNoUserIni);
        return;
    }
    ScriptDocument document;
    document.flyby = IsItemChecked(IDC_EDITOR_FLYBY);
    document.botCount = ItemText(IDC_EDITOR_BOT_COUNT);
    document.systemIni = systemIni_.path;
    document.userIni = userIni_.path;
    document.maps = selected_.Maps();
    // Values loaded from an edited script are not checked on the way in; never save a script
    // the Custom tab would refuse to run.
    const std::string problem = ScriptProblem(document);
    if (!problem.empty()) {
        Tell(problem);
        return;
    }

    const std::string& folder = context_.state.gameFolder;
    FileQuestion question;
    question.filter = FilterFromBars(kScriptFilter);
    question.defaultExtension = kScriptExtension;
    question.initialFolder = Format(kScriptFolderPattern, folder.c_str());
    question.promptOverwrite = true;
    const std::optional<std::string> path = files_.ChooseSaveFile(question);
    if (!path) {
        return;
    }
    if (!SaveScript(*path, document, folder, context_.state.isDemo)) {
        Tell(Format(kSaveFailed, path->c_str()));
        return;
    }
    Tell(kSaveComplete);
}

void Cnew::Tell(const std::string& message) const {
    context_.prompt.Show(message, kCaption);
}

}  // namespace tarvik
