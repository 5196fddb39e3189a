#pragma once
// What the Custom tab's run makes of a loaded script: where its ini files are looked for, the
// paths the game is given for them, and one command line per map.
#include <array>
#include <string>
#include <vector>

#include "bench/command_lines.h"
#include "scripts/script_format.h"

namespace tarvik {

// The Custom tab's five radio buttons, in order.
inline constexpr std::array<const char*, 5> kCustomResolutions = {"640x480", "800x600", "1024x768",
                                                                  "1280x1024", "1600x1200"};
inline constexpr int kCustomDefaultResolution = 1;
// An index outside the list takes the default.
std::string CustomResolution(int index);

inline constexpr const char* kCustomCaption = "!";
inline constexpr const char* kNoScriptSelected = "No script selected!";
inline constexpr const char* kBadScript = "Bad INI file!";
inline constexpr const char* kCantOpenSystemIni = "Can't open system ini file specified";
inline constexpr const char* kCantOpenUserIni = "Can't open user ini file specified";
inline constexpr const char* kDeleteQuestion = "Are you sure you want to delete selected script?";
inline constexpr const char* kDeleteDone = "Done";

struct ScriptIniPath {
    std::string checked;  // where the file must be readable
    std::string passed;   // what the game is given
};

// A script's ini value: each ".." stands for the game folder (in small letters) when the file is
// looked for; a path inside the game folder reaches the game relative to its System folder, in
// small letters, and any other path as it stands.
ScriptIniPath ResolveScriptIni(const std::string& value, const std::string& gameFolder);

// One line per map, in script order, in the script's form, with the ini paths as passed.
std::vector<ScriptCommandLine> ScriptRunLines(const std::string& gameFolder, const ScriptRun& run,
                                              const std::string& systemIni,
                                              const std::string& userIni);

}  // namespace tarvik
