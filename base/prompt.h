#pragma once
// Every message box and question goes through this interface, so that tests can script the
// answers and assert the exact text and caption of each message.
#include <string>

namespace tarvik {

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };
enum class PromptIcon { None, Exclamation };

class Prompt {
  public:
    virtual ~Prompt() = default;
    virtual PromptAnswer Show(const std::string& text, const std::string& caption,
                              PromptButtons buttons = PromptButtons::Ok) = 0;
    // The same with an icon beside the text. A prompt that draws no icons shows it plainly.
    virtual PromptAnswer ShowWithIcon(const std::string& text, const std::string& caption,
                                      PromptIcon, PromptButtons buttons = PromptButtons::Ok) {
        return Show(text, caption, buttons);
    }
};

}  // namespace tarvik
