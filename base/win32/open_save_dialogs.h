#pragma once
// The product's FileChooser: the common "open" and "save as" dialogs.
#include <windows.h>

#include "base/file_chooser.h"

namespace tarvik {

class CommonFileDialogs : public FileChooser {
  public:
    explicit CommonFileDialogs(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> ChooseSaveFile(const FileQuestion& question) override;
    std::optional<std::string> ChooseOpenFile(const FileQuestion& question) override;

  private:
    HWND owner_;
};

}  // namespace tarvik
