#pragma once
// The product's Prompt: real Windows message boxes.
#include <windows.h>

#include "base/prompt.h"

namespace tarvik {

class MessageBoxPrompt : public Prompt {
  public:
    explicit MessageBoxPrompt(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    PromptAnswer Show(const std::string& text, const std::string& caption,
                      PromptButtons buttons = PromptButtons::Ok) override;
    PromptAnswer ShowWithIcon(const std::string& text, const std::string& caption, PromptIcon icon,
                              PromptButtons buttons = PromptButtons::Ok) override;

  private:
    HWND owner_;
};

}  // namespace tarvik
