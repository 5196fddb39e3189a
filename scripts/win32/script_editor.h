#pragma once
// Cnew: the modal "Create/Edit  Benchmark Script" dialog of the Custom tab. It builds a script
// from the game's ini files and maps, or edits the chosen one, and saves it as a .tvx file.
#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "base/file_chooser.h"
#include "base/win32/dialog.h"
#include "scripts/ini_kind.h"
#include "scripts/script_editing.h"
#include "scripts/win32/seconds_dialog.h"
#include "widgets/win32/hscroll_list_box.h"

namespace tarvik {

class Cnew : public Dialog {
  public:
    // editMode: set by the Custom tab's "Edit"; the editor loads chosenScriptPath then clears it.
    Cnew(const PageContext& context, FileChooser& files, bool& editMode,
         std::string chosenScriptPath);
    // The same, asking each map's run time through `asker` instead of the Seconds dialog.
    Cnew(const PageContext& context, FileChooser& files, bool& editMode,
         std::string chosenScriptPath, RunTimeAsker& asker);

    const std::string& SystemIniPath() const { return systemIni_.path; }
    const std::string& UserIniPath() const { return userIni_.path; }
    const SelectedMaps& Selected() const { return selected_; }

  protected:
    BOOL OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnControlScroll(HWND control, int controlId) override;
    // Enter saves, as the default button does; only "Return" closes.
    void OnOK() override { Save(); }

  private:
    // One of the two ini choices: its list, its Browse button and the box showing the name.
    struct IniChoice {
        IniKind kind;
        int listId;
        int browseId;
        int chosenId;
        const char* wrongKindMessage;
        std::string path;
    };

    Cnew(const PageContext& context, FileChooser& files, bool& editMode,
         std::string chosenScriptPath, RunTimeAsker* asker);

    void FillIniLists();
    void FillAvailableMaps();
    void LoadChosenScript();
    void ShowFlyby();
    void ShowBotmatch(int bots);
    void ShowBotCount();

    void PickFromList(IniChoice& choice);
    void Browse(IniChoice& choice);
    void Choose(IniChoice& choice, const std::string& path);

    void AddMap();
    void RemoveMap();
    void ChangeRunTime();
    void Save();
    void Tell(const std::string& message) const;

    PageContext context_;
    FileChooser& files_;
    bool& editMode_;
    std::string chosenScriptPath_;
    SecondsDialogAsker secondsDialog_;
    RunTimeAsker& asker_;

    IniChoice systemIni_;
    IniChoice userIni_;
    SelectedMaps selected_;
    CHScrollListBox systemList_;
    CHScrollListBox userList_;
    CHScrollListBox availableList_;
    CHScrollListBox selectedList_;
};

}  // namespace tarvik
