#pragma once
// How long each frame of a simulated benchmark run takes: a cost per map, made heavier by the
// bots, the pixels and the detail settings, moving with the scene, with jitter and the odd
// stutter. Everything follows from a seed, so equal inputs give equal frames.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/simgame/command_line.h"
#include "tools/simgame/detail_settings.h"

namespace tarvik::simgame {

// One line of the result file: a thirtieth of a second of the run.
inline constexpr int kSubframesPerSecond = 30;

struct RunSetup {
    std::string mapName;  // as the command line gives it, e.g. "dm-antalus" or "DM-Inferno.ut2"
    GameMode mode = GameMode::Flyby;
    int botCount = 0;
    Resolution resolution{1024, 768};
    int seconds = 0;
    DetailSettings detail;
};

struct Subframe {
    double frameMs = 0.0;
    int polygons = 0;
    int actors = 0;
};

// The run's seed: its argument text and the texts of the ini files it ran with.
std::uint64_t RunSeed(const std::string& argumentText, const std::string& systemIniText,
                      const std::string& userIniText);

// Lines a run of `seconds` writes: seconds * 30 plus 1 to 30 more, the extra fixed by the
// argument text. Every whole second then yields one per-second point when the results are read,
// however the last line falls.
int SubframeCount(int seconds, const std::string& argumentText);

// The frame time of the run's steady state, in ms, before scene changes and noise.
double SteadyFrameMs(const RunSetup& setup);

// All subframes of a run: SubframeCount lines, every frame time above zero.
std::vector<Subframe> SimulateRun(const RunSetup& setup, const std::string& argumentText,
                                  std::uint64_t seed);

}  // namespace tarvik::simgame
