#pragma once
// How the Custom tab opens the script editor: modally in the program, scripted in tests.
#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "base/file_chooser.h"

namespace tarvik {

class ScriptEditorOpener {
  public:
    virtual ~ScriptEditorOpener() = default;
    // Returns when the editor has closed. The editor loads scriptPath when editMode is set, and
    // clears it.
    virtual void Open(HWND owner, bool& editMode, const std::string& scriptPath) = 0;
};

class ModalScriptEditor : public ScriptEditorOpener {
  public:
    ModalScriptEditor(const PageContext& context, FileChooser& files)
        : context_(context), files_(files) {}
    void Open(HWND owner, bool& editMode, const std::string& scriptPath) override;

  private:
    PageContext context_;
    FileChooser& files_;
};

}  // namespace tarvik
