#pragma once
// What the preset pages offer and what each choice means for the game: the resolution lists,
// the Orlimar detail levels with their ini pairs, and the lines each preset runs.
#include <array>
#include <string>
#include <vector>

namespace tarvik {

// The Epic page's five radio buttons, in order; it offers "1280x960" where the others offer
// "1280x1024".
inline constexpr std::array<const char*, 5> kEpicResolutions = {"640x480", "800x600", "1024x768",
                                                                "1280x960", "1600x1200"};
inline constexpr int kEpicDefaultResolution = 1;

inline constexpr std::array<const char*, 5> kOrlimarResolutions = {"640x480", "800x600", "1024x768",
                                                                   "1280x1024", "1600x1200"};
inline constexpr int kOrlimarDefaultResolution = 2;

enum class OrlimarMode { kBotmatch = 0, kFlyby = 1 };
inline constexpr OrlimarMode kOrlimarDefaultMode = OrlimarMode::kFlyby;

// Paths as the game resolves them, relative to its System folder.
struct IniPairPaths {
    const char* systemIni;
    const char* userIni;
};

struct DetailLevel {
    const char* name;
    IniPairPaths ini;
};

// "Game Detail" runs with the player's own settings.
inline constexpr std::array<DetailLevel, 3> kOrlimarDetailLevels = {{
    {"High Detail",
     {"..\\Benchmark\\Stuff\\MaxDetail.ini", "..\\Benchmark\\Stuff\\MaxDetailUser.ini"}},
    {"Low Detail",
     {"..\\Benchmark\\Stuff\\MinDetail.ini", "..\\Benchmark\\Stuff\\MinDetailUser.ini"}},
    {"Game Detail", {"..\\System\\UT2003.ini", "..\\System\\User.ini"}},
}};
inline constexpr int kOrlimarDefaultDetail = 0;

// An index outside a list takes the list's default, so a page whose control lost its choice
// still runs what it shows by default.
std::string EpicResolution(int index);
std::string OrlimarResolution(int index);
const DetailLevel& OrlimarDetail(int index);

std::vector<std::string> EpicRunLines(const std::string& gameFolder, int resolutionIndex);
std::vector<std::string> OrlimarRunLines(const std::string& gameFolder, OrlimarMode mode,
                                         int detailIndex, int resolutionIndex);

}  // namespace tarvik
