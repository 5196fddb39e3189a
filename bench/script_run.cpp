#include "bench/script_run.h"

#include "base/text.h"

namespace tarvik {

std::string CustomResolution(int index) {
    const bool inList = index >= 0 && index < static_cast<int>(kCustomResolutions.size());
    return kCustomResolutions[static_cast<std::size_t>(inList ? index : kCustomDefaultResolution)];
}

ScriptIniPath ResolveScriptIni(const std::string& value, const std::string& gameFolder) {
    const std::string folder = LowerAscii(gameFolder);
    std::string checked;
    for (std::size_t at = 0; at < value.size();) {
        if (value.compare(at, 2, "..") == 0) {
            checked += folder;
            at += 2;
        } else {
            checked += value[at++];
        }
    }
    return {checked, MakeGameRelative(checked, gameFolder)};
}

std::vector<ScriptCommandLine> ScriptRunLines(const std::string& gameFolder, const ScriptRun& run,
                                              const std::string& systemIni,
                                              const std::string& userIni) {
    std::vector<ScriptCommandLine> lines;
    lines.reserve(run.maps.size());
    for (const ScriptMap& map : run.maps) {
        if (run.flyby) {
            lines.push_back(ScriptFlybyCommandLine(
                gameFolder,
                {map.map, run.execFile, map.seconds, systemIni, userIni, run.resolution}));
        } else {
            lines.push_back(ScriptBotmatchCommandLine(
                gameFolder, {map.map, run.botCount, map.seconds, run.execFile, systemIni, userIni,
                             run.resolution}));
        }
    }
    return lines;
}

}  // namespace tarvik
