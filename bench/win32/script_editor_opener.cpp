#include "bench/win32/script_editor_opener.h"

namespace tarvik {

// Placeholder until the editor lands.
void ModalScriptEditor::Open(HWND, bool&, const std::string&) {}

}  // namespace tarvik
