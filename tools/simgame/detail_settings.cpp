#include "tools/simgame/detail_settings.h"

#include <cctype>
#include <cstdlib>
#include <iterator>

#include "scripts/ini_ex.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kClient = "WinDrv.WindowsClient";
constexpr const char* kRenderDevice = "D3DDrv.D3DRenderDevice";

void ReadFlag(const IniLookup& ini, const char* section, const char* key, bool* flag) {
    const std::string value = Trimmed(ini(section, key));
    if (EqualIgnoringCase(value, "True") || value == "1") {
        *flag = true;
    } else if (EqualIgnoringCase(value, "False") || value == "0") {
        *flag = false;
    }
}

void ReadNumber(const IniLookup& ini, const char* section, const char* key, double* number) {
    const std::string value = Trimmed(ini(section, key));
    char* end = nullptr;
    const double parsed = std::strtod(value.c_str(), &end);
    if (!value.empty() && end != value.c_str()) {
        *number = parsed;
    }
}

double TextureLevel(const std::string& value) {
    static const char* const kLevels[] = {"UltraLow", "Low", "Normal", "High", "UltraHigh"};
    for (std::size_t level = 0; level < std::size(kLevels); ++level) {
        if (EqualIgnoringCase(Trimmed(value), kLevels[level])) {
            return static_cast<double>(level);
        }
    }
    return -1.0;
}

}  // namespace

DetailSettings ReadDetailSettings(const IniLookup& systemIni, const IniLookup& userIni) {
    DetailSettings detail;

    static const char* const kTextureKeys[] = {"TextureDetailWorld",      "TextureDetailTerrain",
                                               "TextureDetailPlayerSkin", "TextureDetailWeaponSkin",
                                               "TextureDetailLightmap",   "TextureDetailRenderMap"};
    double levelSum = 0.0;
    int levelCount = 0;
    for (const char* key : kTextureKeys) {
        const double level = TextureLevel(systemIni(kClient, key));
        if (level >= 0.0) {
            levelSum += level;
            ++levelCount;
        }
    }
    if (levelCount > 0) {
        detail.textureDetail = levelSum / levelCount;
    }

    bool noDynamicLights = !detail.dynamicLights;
    bool noLighting = !detail.lighting;
    ReadFlag(systemIni, kClient, "Decals", &detail.decals);
    ReadFlag(systemIni, kClient, "NoDynamicLights", &noDynamicLights);
    ReadFlag(systemIni, kClient, "Coronas", &detail.coronas);
    ReadFlag(systemIni, kClient, "Projectors", &detail.projectors);
    ReadFlag(systemIni, kClient, "DecoLayers", &detail.decoLayers);
    ReadFlag(systemIni, kClient, "NoLighting", &noLighting);
    detail.dynamicLights = !noDynamicLights;
    detail.lighting = !noLighting;
    ReadNumber(systemIni, kClient, "MinDesiredFrameRate", &detail.minDesiredFrameRate);

    double width = 0.0;
    double height = 0.0;
    ReadNumber(systemIni, kClient, "FullscreenViewportX", &width);
    ReadNumber(systemIni, kClient, "FullscreenViewportY", &height);
    if (width >= 1.0 && height >= 1.0 && width <= 16384.0 && height <= 16384.0) {
        detail.fullscreenViewport = Resolution{static_cast<int>(width), static_cast<int>(height)};
    }

    ReadFlag(systemIni, kRenderDevice, "Use16bit", &detail.use16bit);
    ReadFlag(systemIni, kRenderDevice, "Use16bitTextures", &detail.use16bitTextures);
    ReadFlag(systemIni, kRenderDevice, "UseTripleBuffering", &detail.tripleBuffering);
    ReadFlag(systemIni, kRenderDevice, "UseHardwareTL", &detail.hardwareTL);
    ReadFlag(systemIni, kRenderDevice, "UseHardwareVS", &detail.hardwareVS);
    ReadFlag(systemIni, kRenderDevice, "DetailTextures", &detail.detailTextures);
    ReadFlag(systemIni, kRenderDevice, "HighDetailActors", &detail.highDetailActors);
    ReadFlag(systemIni, kRenderDevice, "SuperHighDetailActors", &detail.superHighDetailActors);
    ReadFlag(systemIni, kRenderDevice, "UseCompressedLightmaps", &detail.compressedLightmaps);
    ReadNumber(systemIni, kRenderDevice, "DefaultTexMipBias", &detail.mipBias);

    const std::string physics = Trimmed(systemIni("Engine.LevelInfo", "PhysicsDetailLevel"));
    if (EqualIgnoringCase(physics, "PDL_Low")) {
        detail.physicsDetail = 0;
    } else if (EqualIgnoringCase(physics, "PDL_Medium")) {
        detail.physicsDetail = 1;
    } else if (EqualIgnoringCase(physics, "PDL_High")) {
        detail.physicsDetail = 2;
    }

    ReadFlag(userIni, "UnrealGame.UnrealPawn", "bPlayerShadows", &detail.playerShadows);
    return detail;
}

DetailSettings LoadDetailSettings(const std::string& systemIniPath,
                                  const std::string& userIniPath) {
    CIniEx systemIni(4);
    CIniEx userIni(4);
    const bool systemOpen = systemIni.Open(systemIniPath, false, false, true, false);
    const bool userOpen = userIni.Open(userIniPath, false, false, true, false);
    auto lookup = [](const CIniEx& ini, bool open) {
        return [&ini, open](const std::string& section, const std::string& key) {
            return open ? ini.GetValue(section, key, "") : std::string();
        };
    };
    return ReadDetailSettings(lookup(systemIni, systemOpen), lookup(userIni, userOpen));
}

}  // namespace tarvik::simgame
