#pragma once
// The benchmark command lines the simulated game understands: the executable path, the map
// address with its options, the benchmark switches, the ini files and the resolution.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::simgame {

enum class GameMode { Flyby, Botmatch };

struct Resolution {
    int width = 0;
    int height = 0;
};

// Longest run the game accepts (a script stores at most five digits of seconds).
inline constexpr int kMaxRunSeconds = 99999;

struct ParsedCommandLine {
    std::string executable;    // without its quotes
    std::string argumentText;  // everything after the executable, as given
    std::string mapUrl;        // e.g. "dm-antalus?game=engine.gameinfo"
    std::string mapName;       // the text before the first '?'
    std::vector<std::pair<std::string, std::string>> mapOptions;  // "?key=value", in order
    GameMode mode = GameMode::Flyby;
    int botCount = 0;
    std::string execFile;   // empty when not given
    std::string systemIni;  // empty when not given
    std::string userIni;    // empty when not given
    bool benchmark = false;
    bool noSound = false;
    bool upt = false;
    int seconds = 0;
    std::optional<Resolution> resolution;  // from the last "-" switch, when it is one
};

// Splits a whole command line (as GetCommandLineA gives it) and reads its switches. Switch names
// are matched without regard to case. Returns false with a message for a line the game cannot
// run: no map, no or bad "-seconds=", a bad bot count.
bool ParseGameCommandLine(const std::string& commandLine, ParsedCommandLine* line,
                          std::string* error);

// The map's file name without folder, e.g. "dm-antalus" -> "dm-antalus.ut2"; a name that already
// carries the extension keeps it.
std::string MapFileName(const std::string& mapName);

}  // namespace tarvik::simgame
