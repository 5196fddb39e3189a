#include "scripts/script_format.h"

#include <algorithm>

#include "base/format.h"
#include "base/text.h"
#include "scripts/ini_ex.h"

namespace tarvik {
namespace {

constexpr const char* kCaption = "!";
constexpr const char* kDemoRefusal =
    "This script cannot be run without the full version of UT 2003";
// Long or odd values are shown shortened, without their control characters.
constexpr std::size_t kShownChars = 60;

constexpr const char* kOptions = "OPTIONS";
constexpr const char* kIni = "INI";
constexpr const char* kMaps = "MAPS";

// A double quote or a control character would change how the game reads its command line.
bool HasForbiddenCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 0x20 || byte == 0x7F;
    });
}

std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += (byte < 0x20 || byte == 0x7F) ? '?' : c;
    }
    if (shown.size() > kShownChars) {
        shown = Truncated(shown, kShownChars - 3) + "...";
    }
    return shown;
}

// The message for one value, or empty; subject names the value, e.g. map name "DM-X.ut2".
std::string ValueProblem(const std::string& subject, const std::string& value,
                         std::size_t maxChars) {
    if (value.size() > maxChars) {
        return Format("The %s in the script is longer than %d characters.", subject.c_str(),
                      static_cast<int>(maxChars));
    }
    if (HasForbiddenCharacter(value)) {
        return Format("The %s in the script contains a double quote or a control character.",
                      subject.c_str());
    }
    return {};
}

std::string Quoted(const char* what, const std::string& value) {
    return Format("%s \"%s\"", what, Shown(value).c_str());
}

std::string RunProblem(bool flyby, const std::string& botCount, const std::string& systemIni,
                       const std::string& userIni, const std::vector<ScriptMap>& maps) {
    std::string problem;
    for (const ScriptMap& entry : maps) {
        problem = ValueProblem(Quoted("map name", entry.map), entry.map, kMaxMapNameChars);
        if (problem.empty()) {
            problem = ValueProblem(Format("run time \"%s\" of the map \"%s\"",
                                          Shown(entry.seconds).c_str(), Shown(entry.map).c_str()),
                                   entry.seconds, kMaxSecondsChars);
        }
        if (!problem.empty()) {
            return problem;
        }
    }
    if (!flyby) {
        problem = ValueProblem(Quoted("number of bots", botCount), botCount, kMaxBotCountChars);
    }
    if (problem.empty()) {
        problem = ValueProblem(Quoted("system ini path", systemIni), systemIni, kMaxIniPathChars);
    }
    if (problem.empty()) {
        problem = ValueProblem(Quoted("user ini path", userIni), userIni, kMaxIniPathChars);
    }
    return problem;
}

std::string TooManyMaps(long long count) {
    return Format("The script has %lld maps; at most %d can be run.", count,
                  static_cast<int>(kMaxScriptMaps));
}

std::string MapKey(std::size_t index) {
    return Format("map%d", static_cast<int>(index));
}
std::string SecondsKey(std::size_t index) {
    return Format("sec%d", static_cast<int>(index));
}

std::vector<ScriptMap> ReadMaps(const CIniEx& ini, std::size_t count) {
    std::vector<ScriptMap> maps;
    maps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        maps.push_back(
            {ini.GetValue(kMaps, MapKey(i), ""), ini.GetValue(kMaps, SecondsKey(i), "")});
    }
    return maps;
}

// Reading cuts a value at its last ";", so a value holding one gets an empty comment after it.
std::string Stored(const std::string& value) {
    return value.find(';') == std::string::npos ? value : value + ';';
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

bool HoldsLineBreak(const ScriptDocument& document) {
    if ((!document.flyby && HasLineBreak(document.botCount)) || HasLineBreak(document.systemIni) ||
        HasLineBreak(document.userIni)) {
        return true;
    }
    return std::any_of(document.maps.begin(), document.maps.end(), [](const ScriptMap& entry) {
        return HasLineBreak(entry.map) || HasLineBreak(entry.seconds);
    });
}

}  // namespace

std::optional<ScriptRun> LoadScriptForRun(const std::string& path, const std::string& resolution,
                                          bool isDemo, Prompt& prompt) {
    CIniEx ini;
    // A file that cannot be opened reads as empty; the run's ini checks report it later.
    ini.Open(path, true, false, true, false);

    ScriptRun run;
    run.resolution = resolution;
    run.flyby = ini.GetValue(kOptions, "flyby", "") != "false";
    run.execFile = run.flyby ? kFlybyExecFile : kBotmatchExecFile;
    if (!run.flyby) {
        run.botCount = ini.GetValue(kOptions, "nbots", "");
    }
    if (isDemo && ini.GetValue(kOptions, "allowdemo", "") == "false") {
        prompt.Show(kDemoRefusal, kCaption, PromptButtons::Ok);
        return std::nullopt;
    }
    run.systemIni = ini.GetValue(kIni, "systemini", "");
    run.userIni = ini.GetValue(kIni, "userini", "");

    const int count = std::max(0, LeadingInteger(ini.GetValue(kMaps, "nmaps", "")));
    if (static_cast<std::size_t>(count) > kMaxScriptMaps) {
        prompt.Show(TooManyMaps(count), kCaption, PromptButtons::Ok);
        return std::nullopt;
    }
    run.maps = ReadMaps(ini, static_cast<std::size_t>(count));

    const std::string problem =
        RunProblem(run.flyby, run.botCount, run.systemIni, run.userIni, run.maps);
    if (!problem.empty()) {
        prompt.Show(problem, kCaption, PromptButtons::Ok);
        return std::nullopt;
    }
    return run;
}

ScriptDocument LoadScriptForEditing(const std::string& path) {
    CIniEx ini;
    ini.Open(path, true, false, true, false);

    ScriptDocument document;
    document.flyby = ini.GetValue(kOptions, "flyby", "") == "true";
    document.botCount = document.flyby ? kNoBotCount : ini.GetValue(kOptions, "nbots", "");
    document.systemIni = ini.GetValue(kIni, "systemini", "");
    document.userIni = ini.GetValue(kIni, "userini", "");

    const std::size_t count =
        static_cast<std::size_t>(std::max(0, LeadingInteger(ini.GetValue(kMaps, "nmaps", ""))));
    document.tooManyMaps = count > kMaxScriptMaps;
    document.maps = ReadMaps(ini, std::min(count, kMaxScriptMaps));
    return document;
}

bool SaveScript(const std::string& path, const ScriptDocument& document,
                const std::string& gameFolder, bool isDemo) {
    if (HoldsLineBreak(document)) {
        return false;
    }
    CIniEx ini;
    if (!ini.Open(path, true, true, true, false)) {
        return false;
    }
    // The old text goes only when the new one is written, so a failed save keeps the old file.
    ini.DropAllLines();
    ini.SetValue(kOptions, "flyby", document.flyby ? "true" : "false");
    ini.SetValue(kOptions, "nbots", document.flyby ? kNoBotCount : Stored(document.botCount));
    ini.SetValue(kIni, "systemini", Stored(MakeGameRelative(document.systemIni, gameFolder)));
    ini.SetValue(kIni, "userini", Stored(MakeGameRelative(document.userIni, gameFolder)));
    for (std::size_t i = 0; i < document.maps.size(); ++i) {
        ini.SetValue(kMaps, MapKey(i), Stored(document.maps[i].map));
        ini.SetValue(kMaps, SecondsKey(i), Stored(document.maps[i].seconds));
    }
    ini.SetValue(kMaps, "nmaps", Format("%d", static_cast<int>(document.maps.size())));
    ini.SetValue(kOptions, "allowdemo", isDemo ? "true" : "false");
    return ini.Close();
}

std::string ScriptProblem(const ScriptDocument& document) {
    if (document.maps.size() > kMaxScriptMaps) {
        return TooManyMaps(static_cast<long long>(document.maps.size()));
    }
    return RunProblem(document.flyby, document.botCount, document.systemIni, document.userIni,
                      document.maps);
}

std::string MakeGameRelative(const std::string& path, const std::string& gameFolder) {
    std::string folder = LowerAscii(gameFolder);
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    const std::string lowered = LowerAscii(path);
    if (folder.empty() || lowered.compare(0, folder.size(), folder) != 0) {
        return path;
    }
    // "C:\Games\UT2003x\..." is not inside "C:\Games\UT2003".
    if (lowered.size() > folder.size() && lowered[folder.size()] != '\\' &&
        lowered[folder.size()] != '/') {
        return path;
    }
    return ".." + lowered.substr(folder.size());
}

}  // namespace tarvik
