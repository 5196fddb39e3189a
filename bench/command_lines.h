#pragma once
// The game's benchmark command lines: every fixed line the program carries and the two forms
// that script runs fill in.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tarvik {

// The resolutions offered by the pages, as the game expects them after the final "-".
inline constexpr std::array<const char*, 6> kResolutions = {"640x480",  "800x600",   "1024x768",
                                                            "1280x960", "1280x1024", "1600x1200"};

// Script runs form their lines in a buffer of this size, terminating zero included.
inline constexpr std::size_t kScriptCommandLineCapacity = 500;
inline constexpr std::size_t kScriptCommandLineMaxLength = kScriptCommandLineCapacity - 1;

// "<gameFolder>\System\ut2003.exe" in double quotes, a blank, then the arguments.
std::string GameCommandLine(const std::string& gameFolder, const std::string& argumentText);

// The fixed sequences, each line with the resolution (and, for the presets, the ini pair the
// page chose) filled in, in run order.
std::vector<std::string> StandardRunCommandLines(const std::string& gameFolder,
                                                 const std::string& resolution);
std::vector<std::string> EpicPresetCommandLines(const std::string& gameFolder,
                                                const std::string& resolution);
std::vector<std::string> FlybyPresetCommandLines(const std::string& gameFolder,
                                                 const std::string& systemIni,
                                                 const std::string& userIni,
                                                 const std::string& resolution);
std::vector<std::string> BotmatchPresetCommandLines(const std::string& gameFolder,
                                                    const std::string& systemIni,
                                                    const std::string& userIni,
                                                    const std::string& resolution);
// The Zandor page's runs: its flyby list (the flyby presets' maps in another order) and its
// processor test, a single flyby. The generated detail ini is the pair handed in.
std::vector<std::string> ZandorFlybyCommandLines(const std::string& gameFolder,
                                                 const std::string& systemIni,
                                                 const std::string& userIni,
                                                 const std::string& resolution);
std::vector<std::string> ZandorCpuCommandLines(const std::string& gameFolder,
                                               const std::string& systemIni,
                                               const std::string& userIni,
                                               const std::string& resolution);

// One map of a script, as the script gives it. Seconds and bot count are the script's texts.
struct ScriptFlybyRun {
    std::string map;
    std::string execFile;
    std::string seconds;
    std::string systemIni;
    std::string userIni;
    std::string resolution;
};

struct ScriptBotmatchRun {
    std::string map;
    std::string botCount;
    std::string seconds;
    std::string execFile;
    std::string systemIni;
    std::string userIni;
    std::string resolution;
};

// A script line, or why it cannot be formed (then commandLine is empty). A line is refused,
// never cut short, when it would not fit kScriptCommandLineMaxLength, or when a value holds a
// double quote or a control character (either would change how the game splits its arguments).
struct ScriptCommandLine {
    std::string commandLine;
    std::string error;

    bool ok() const { return error.empty(); }
};

ScriptCommandLine ScriptFlybyCommandLine(const std::string& gameFolder, const ScriptFlybyRun& run);
ScriptCommandLine ScriptBotmatchCommandLine(const std::string& gameFolder,
                                            const ScriptBotmatchRun& run);

}  // namespace tarvik
