#pragma once
// The graphics settings of the game's system and user ini files that make the simulated frame
// times slower or faster.
#include <functional>
#include <optional>
#include <string>

#include "tools/simgame/command_line.h"

namespace tarvik::simgame {

// The value of a key in an ini section, or an empty text when it is missing.
using IniLookup = std::function<std::string(const std::string& section, const std::string& key)>;

struct DetailSettings {
    // Mean of the TextureDetail* keys: 0 UltraLow, 1 Low, 2 Normal, 3 High, 4 UltraHigh.
    double textureDetail = 2.0;
    bool use16bit = false;
    bool use16bitTextures = false;
    bool tripleBuffering = false;
    bool hardwareTL = true;
    bool hardwareVS = true;
    bool detailTextures = true;
    bool highDetailActors = true;
    bool superHighDetailActors = false;
    bool compressedLightmaps = true;
    bool decals = true;
    bool dynamicLights = true;
    bool coronas = true;
    bool projectors = true;
    bool decoLayers = true;
    bool lighting = true;
    bool playerShadows = true;
    int physicsDetail = 1;  // 0 PDL_Low, 1 PDL_Medium, 2 PDL_High
    double minDesiredFrameRate = 0.0;
    double mipBias = 0.0;  // positive: blurrier and faster
    std::optional<Resolution> fullscreenViewport;
};

// Reads the settings; keys that are missing or unreadable keep the defaults above.
DetailSettings ReadDetailSettings(const IniLookup& systemIni, const IniLookup& userIni);

// The same from two ini files on disk (an unreadable file counts as empty).
DetailSettings LoadDetailSettings(const std::string& systemIniPath, const std::string& userIniPath);

}  // namespace tarvik::simgame
