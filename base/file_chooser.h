#pragma once
// The "open" and "save as" questions go through this interface, so in-process tests can answer
// them the way they answer message boxes.
#include <optional>
#include <string>

namespace tarvik {

struct FileQuestion {
    // Windows filter pairs: "description\0pattern\0...\0" (embedded NULs kept by the string).
    std::string filter;
    // Added to a name typed without an extension.
    std::string defaultExtension;
    // Where the dialog opens; empty leaves it to the system.
    std::string initialFolder;
    // What the file name box starts with, such as "*.tvx".
    std::string initialName;
    // Ask before replacing an existing file (saving only).
    bool promptOverwrite = true;
};
using SaveFileQuestion = FileQuestion;

// "Text (*.txt) |*.txt||" as Windows wants it: every bar becomes a NUL.
std::string FilterFromBars(const std::string& barredFilter);

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const FileQuestion& question) = 0;
    // An existing file's full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const FileQuestion& question) = 0;
};

}  // namespace tarvik
