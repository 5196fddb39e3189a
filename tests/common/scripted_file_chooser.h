#pragma once
// A FileChooser for tests: records every question and answers from a script (cancel when the
// script is empty).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/file_chooser.h"

namespace tarvik {

class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<std::string> ChooseSaveFile(const SaveFileQuestion& question) override {
        questions.push_back(question);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<SaveFileQuestion> questions;
    std::deque<std::optional<std::string>> answers;
};

}  // namespace tarvik
