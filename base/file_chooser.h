#pragma once
// The "save as" question goes through this interface, so in-process tests can answer it the way
// they answer message boxes.
#include <optional>
#include <string>

namespace tarvik {

struct SaveFileQuestion {
    // Windows filter pairs: "description\0pattern\0...\0" (embedded NULs kept by the string).
    std::string filter;
    // Added to a name typed without an extension.
    std::string defaultExtension;
    // Ask before replacing an existing file.
    bool promptOverwrite = true;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const SaveFileQuestion& question) = 0;
};

}  // namespace tarvik
