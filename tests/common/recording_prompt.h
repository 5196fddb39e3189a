#pragma once
// A Prompt for tests: records every message and answers from a script (Yes by default).
#include <deque>
#include <string>
#include <vector>

#include "base/prompt.h"

namespace tarvik {

struct RecordedMessage {
    std::string text;
    std::string caption;
    PromptButtons buttons;
    PromptIcon icon = PromptIcon::None;
};

class RecordingPrompt : public Prompt {
  public:
    PromptAnswer Show(const std::string& text, const std::string& caption,
                      PromptButtons buttons) override {
        return ShowWithIcon(text, caption, PromptIcon::None, buttons);
    }
    PromptAnswer ShowWithIcon(const std::string& text, const std::string& caption, PromptIcon icon,
                              PromptButtons buttons) override {
        messages.push_back({text, caption, buttons, icon});
        if (buttons == PromptButtons::Ok) {
            return PromptAnswer::Ok;
        }
        if (answers.empty()) {
            return PromptAnswer::Yes;
        }
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<RecordedMessage> messages;
    std::deque<PromptAnswer> answers;
};

}  // namespace tarvik
