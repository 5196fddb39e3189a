#include "base/win32/open_save_dialogs.h"

#include <commdlg.h>

namespace tarvik {

std::optional<std::string> CommonFileDialogs::ChooseSaveFile(const SaveFileQuestion& question) {
    char path[MAX_PATH] = "";
    // The filter must end in two NULs; the string's own terminator gives the last one.
    const std::string filter = question.filter + '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrDefExt =
        question.defaultExtension.empty() ? nullptr : question.defaultExtension.c_str();
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (question.promptOverwrite ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameA(&dialog)) {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace tarvik
