#pragma once
// One benchmark run read from the game's CSV file, and the settings that shape how it is read.
#include <cstddef>
#include <string>
#include <vector>

namespace tarvik {

// Fixed capacities of the record's texts, in characters (the game's files can be longer).
constexpr std::size_t kHeaderMaxChars = 98;
constexpr std::size_t kResolutionMaxChars = 19;
constexpr std::size_t kModeMaxChars = 19;
constexpr std::size_t kMapNameMaxChars = 28;
constexpr std::size_t kSummaryMaxChars = 61;

struct MapResult {
    std::string header1;
    std::string header2;
    std::string header3;  // processor description, ends in "@ <clock> MHz"
    int cpuMhz = 0;
    std::string header4;  // video card
    std::string resolution;
    std::string mode;
    std::string mapName;
    std::string summary;  // "low / average / high"
    double lowFps = 0.0;
    double avgFps = 0.0;
    double highFps = 0.0;
    std::vector<float> perSecondFps;
    int perSecondCount = 0;
};

// How many of the newest files a load takes and how their rates are computed. Held in memory
// only; every start begins with these defaults.
struct ResultSettings {
    int maxResults = 16;
    int startSubframe = 10;
    bool averageBySecond = false;
};

}  // namespace tarvik
