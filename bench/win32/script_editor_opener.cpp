#include "bench/win32/script_editor_opener.h"

#include "scripts/win32/script_editor.h"

namespace tarvik {

void ModalScriptEditor::Open(HWND owner, bool& editMode, const std::string& scriptPath) {
    Cnew editor(context_, files_, editMode, scriptPath);
    editor.DoModal(owner);
}

}  // namespace tarvik
