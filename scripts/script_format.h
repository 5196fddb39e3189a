#pragma once
// Benchmark script files (*.tvx): an ini file naming the maps of a custom benchmark, their run
// times, the mode, the bot count and the game ini files to run with.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/prompt.h"

namespace tarvik {

// What a script may hold and still be run: every value ends up inside a game command line.
inline constexpr std::size_t kMaxScriptMaps = 30;
inline constexpr std::size_t kMaxMapNameChars = 29;
inline constexpr std::size_t kMaxSecondsChars = 5;
inline constexpr std::size_t kMaxBotCountChars = 5;
inline constexpr std::size_t kMaxIniPathChars = 199;

inline constexpr const char* kFlybyExecFile = "..\\Benchmark\\Stuff\\flybyexec.txt";
inline constexpr const char* kBotmatchExecFile = "..\\Benchmark\\Stuff\\botmatchexec.txt";
inline constexpr const char* kNoBotCount = "N/A";

struct ScriptMap {
    std::string map;      // file name with extension, e.g. "DM-Asbestos.ut2"
    std::string seconds;  // run time as decimal text
    bool operator==(const ScriptMap& other) const {
        return map == other.map && seconds == other.seconds;
    }
};

// One custom benchmark as the Custom tab runs it.
struct ScriptRun {
    std::string resolution;
    bool flyby = true;
    std::string botCount;  // read for bot-match scripts only
    std::string execFile;
    std::string systemIni;
    std::string userIni;
    std::vector<ScriptMap> maps;
};

// A script as the editor shows and saves it.
struct ScriptDocument {
    bool flyby = true;
    std::string botCount = kNoBotCount;  // "N/A" for a fly-through script
    std::string systemIni;
    std::string userIni;
    std::vector<ScriptMap> maps;
    bool tooManyMaps = false;  // set by loading: the file named more maps than were read
};

// Reads a script for a run. An unopenable file gives empty values. Fails, after telling the
// user why (caption "!"), for a script refused with the demo and for one whose values would
// not fit or would change the meaning of the game's command line.
std::optional<ScriptRun> LoadScriptForRun(const std::string& path, const std::string& resolution,
                                          bool isDemo, Prompt& prompt);

// Reads a script for the editor; at most kMaxScriptMaps maps are read.
ScriptDocument LoadScriptForEditing(const std::string& path);

// Replaces the file with the script (ini paths made game-relative). False when the file
// cannot be written or a value holds a line break; an existing file is then left as it was.
bool SaveScript(const std::string& path, const ScriptDocument& document,
                const std::string& gameFolder, bool isDemo);

// Why a script could not be run, as a message for the user; empty when it can.
std::string ScriptProblem(const ScriptDocument& document);

// "..\" plus the rest, in small letters, for a path inside the game folder; other paths as given.
std::string MakeGameRelative(const std::string& path, const std::string& gameFolder);

}  // namespace tarvik
