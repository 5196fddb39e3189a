#pragma once
// The Custom tab: the benchmark scripts of the game's Benchmark folder, to choose, make, edit,
// delete and run at a resolution of the user's choice.
#include <string>

#include "app/app_state.h"
#include "base/file_chooser.h"
#include "base/win32/open_save_dialogs.h"
#include "base/win32/property_page.h"
#include "bench/game_launcher.h"
#include "bench/win32/run_driver.h"
#include "bench/win32/script_editor_opener.h"
#include "widgets/win32/button_st.h"
#include "widgets/win32/hscroll_list_box.h"

namespace tarvik {

class Cbench : public PropertyPage {
  public:
    explicit Cbench(const PageContext& context);
    // Questions, runs and the editor go where the test says.
    Cbench(const PageContext& context, FileChooser& files, GameLauncher& launcher,
           ScriptEditorOpener& editor);

    const std::string& ChosenScriptPath() const { return chosenPath_; }

  protected:
    BOOL OnInit() override;
    void OnSetActive() override;
    bool OnCommand(int id, int code, HWND control) override;

  private:
    void FillScriptList() const;
    void Choose(const std::string& path, const std::string& name);
    bool ScriptChosen() const;
    void OnListSelection();
    void OnBrowse();
    void OnEditor(bool editMode);
    void OnDelete();
    void OnRun();
    int ResolutionIndex() const;
    void Tell(const std::string& text) const;

    PageContext context_;
    CommonFileDialogs windowsFiles_;
    WindowsGameLauncher windowsLauncher_;
    ModalScriptEditor modalEditor_;
    FileChooser& files_;
    GameLauncher& launcher_;
    ScriptEditorOpener& editor_;

    CHScrollListBox scripts_;
    CButtonST benchmark_;
    std::string chosenPath_;
    bool editMode_ = false;
};

}  // namespace tarvik
