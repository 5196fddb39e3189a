#pragma once
// Every message box and question goes through this interface, so that tests can script the
// answers and assert the exact text and caption of each message.
#include <string>

namespace tarvik {

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };

class Prompt {
  public:
    virtual ~Prompt() = default;
    virtual PromptAnswer Show(const std::string& text, const std::string& caption,
                              PromptButtons buttons = PromptButtons::Ok) = 0;
};

}  // namespace tarvik
