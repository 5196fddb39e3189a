#include "base/win32/open_save_dialogs.h"

#include <commdlg.h>

#include <cstring>

namespace tarvik {

namespace {

enum class Purpose { Open, Save };

std::optional<std::string> AskForFile(HWND owner, const FileQuestion& question, Purpose purpose) {
    char path[MAX_PATH] = "";
    if (question.initialName.size() < sizeof(path)) {
        std::memcpy(path, question.initialName.c_str(), question.initialName.size() + 1);
    }
    // The filter must end in two NULs; the string's own terminator gives the last one.
    const std::string filter = question.filter + '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof(path);
    dialog.lpstrInitialDir =
        question.initialFolder.empty() ? nullptr : question.initialFolder.c_str();
    dialog.lpstrDefExt =
        question.defaultExtension.empty() ? nullptr : question.defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (purpose == Purpose::Open) {
        dialog.Flags |= OFN_FILEMUSTEXIST;
    } else if (question.promptOverwrite) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    }
    const BOOL chosen =
        purpose == Purpose::Open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace

std::optional<std::string> CommonFileDialogs::ChooseSaveFile(const FileQuestion& question) {
    return AskForFile(owner_, question, Purpose::Save);
}

std::optional<std::string> CommonFileDialogs::ChooseOpenFile(const FileQuestion& question) {
    return AskForFile(owner_, question, Purpose::Open);
}

}  // namespace tarvik
