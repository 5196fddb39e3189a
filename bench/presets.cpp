#include "bench/presets.h"

#include <cstddef>

#include "bench/command_lines.h"

namespace tarvik {

namespace {
template <typename List>
bool Inside(const List& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}
}  // namespace

std::string EpicResolution(int index) {
    return kEpicResolutions[Inside(kEpicResolutions, index) ? index : kEpicDefaultResolution];
}

std::string OrlimarResolution(int index) {
    return kOrlimarResolutions[Inside(kOrlimarResolutions, index) ? index
                                                                  : kOrlimarDefaultResolution];
}

const DetailLevel& OrlimarDetail(int index) {
    return kOrlimarDetailLevels[Inside(kOrlimarDetailLevels, index) ? index
                                                                    : kOrlimarDefaultDetail];
}

std::vector<std::string> EpicRunLines(const std::string& gameFolder, int resolutionIndex) {
    return EpicPresetCommandLines(gameFolder, EpicResolution(resolutionIndex));
}

std::vector<std::string> OrlimarRunLines(const std::string& gameFolder, OrlimarMode mode,
                                         int detailIndex, int resolutionIndex) {
    const IniPairPaths ini = OrlimarDetail(detailIndex).ini;
    const std::string resolution = OrlimarResolution(resolutionIndex);
    return mode == OrlimarMode::kFlyby
               ? FlybyPresetCommandLines(gameFolder, ini.systemIni, ini.userIni, resolution)
               : BotmatchPresetCommandLines(gameFolder, ini.systemIni, ini.userIni, resolution);
}

}  // namespace tarvik
