#pragma once
// The product's FileChooser: the common "save as" dialog.
#include <windows.h>

#include "base/file_chooser.h"

namespace tarvik {

class CommonFileDialogs : public FileChooser {
  public:
    explicit CommonFileDialogs(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> ChooseSaveFile(const SaveFileQuestion& question) override;

  private:
    HWND owner_;
};

}  // namespace tarvik
