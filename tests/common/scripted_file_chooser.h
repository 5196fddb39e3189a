#pragma once
// A FileChooser for tests: records every question and answers from a script (cancel when the
// script is empty). Open and save questions share the script, in the order they are asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/file_chooser.h"

namespace tarvik {

class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<std::string> ChooseSaveFile(const FileQuestion& question) override {
        questions.push_back(question);
        return NextAnswer();
    }
    std::optional<std::string> ChooseOpenFile(const FileQuestion& question) override {
        openQuestions.push_back(question);
        return NextAnswer();
    }

    std::vector<FileQuestion> questions;  // save questions
    std::vector<FileQuestion> openQuestions;
    std::deque<std::optional<std::string>> answers;

  private:
    std::optional<std::string> NextAnswer() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace tarvik
