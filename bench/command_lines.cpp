#include "bench/command_lines.h"

#include "base/format.h"

namespace tarvik {
namespace {

enum class FixedSequence {
    StandardRun,
    EpicPreset,
    FlybyPresets,
    BotmatchPreset,
    ZandorFlyby,
    ZandorCpu,
};
enum class RunMode { Flyby, Botmatch };
// Which ini pair a line names: one written for the standard run, the game's own maximum
// detail pair, or the pair the preset page hands in.
enum class IniPair { CustomMax, MaxDetail, Chosen };

struct FixedLine {
    FixedSequence sequence;
    const char* map;
    RunMode mode;
    int seconds;
    IniPair ini;
    bool upt;
};

// Every fixed line, in run order within each sequence. The seconds differ on purpose
// (dm-asbestos runs 70 s in the standard and Epic flybys, 71 s in the flyby presets).
constexpr FixedLine kFixedLines[] = {
    {FixedSequence::StandardRun, "dm-antalus", RunMode::Flyby, 77, IniPair::CustomMax, true},
    {FixedSequence::StandardRun, "dm-asbestos", RunMode::Flyby, 70, IniPair::CustomMax, true},
    {FixedSequence::StandardRun, "dm-antalus", RunMode::Botmatch, 77, IniPair::CustomMax, true},
    {FixedSequence::StandardRun, "dm-asbestos", RunMode::Botmatch, 77, IniPair::CustomMax, true},
    {FixedSequence::EpicPreset, "dm-antalus", RunMode::Flyby, 77, IniPair::MaxDetail, true},
    {FixedSequence::EpicPreset, "dm-asbestos", RunMode::Flyby, 70, IniPair::MaxDetail, true},
    {FixedSequence::EpicPreset, "dm-antalus", RunMode::Botmatch, 77, IniPair::MaxDetail, true},
    {FixedSequence::EpicPreset, "dm-asbestos", RunMode::Botmatch, 77, IniPair::MaxDetail, true},
    {FixedSequence::FlybyPresets, "ctf-face3", RunMode::Flyby, 116, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "ctf-citadel", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "dm-antalus", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "dm-asbestos", RunMode::Flyby, 71, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "dm-inferno", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "dom-suntemple", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::FlybyPresets, "dm-phobos2", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "ctf-face3", RunMode::Botmatch, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "dm-antalus", RunMode::Botmatch, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "br-icefields", RunMode::Botmatch, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "dm-inferno", RunMode::Botmatch, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "dom-outrigger", RunMode::Botmatch, 77, IniPair::Chosen, false},
    {FixedSequence::BotmatchPreset, "ctf-citadel", RunMode::Botmatch, 77, IniPair::Chosen, false},
    // The Zandor flybys play the same maps as the flyby presets, in that site's own order.
    {FixedSequence::ZandorFlyby, "dm-antalus", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "dom-suntemple", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "dm-phobos2", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "dm-inferno", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "ctf-face3", RunMode::Flyby, 116, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "ctf-citadel", RunMode::Flyby, 77, IniPair::Chosen, false},
    {FixedSequence::ZandorFlyby, "dm-asbestos", RunMode::Flyby, 71, IniPair::Chosen, false},
    {FixedSequence::ZandorCpu, "dm-inferno", RunMode::Flyby, 77, IniPair::Chosen, false},
};

constexpr char kFlybyExec[] = "..\\Benchmark\\Stuff\\flybyexec.txt";
constexpr char kBotmatchExec[] = "..\\Benchmark\\Stuff\\botmatchexec.txt";
constexpr char kFlybyOptions[] = "?game=engine.gameinfo";
// The fixed botmatch lines all play with twelve bots.
constexpr char kFixedBotmatchOptions[] =
    "?spectatoronly=true?numbots=12?quickstart=true?attractcam=true";

constexpr char kCustomMaxSystemIni[] = "..\\Benchmark\\Stuff\\CustomMaxSystem.ini";
constexpr char kCustomMaxUserIni[] = "..\\Benchmark\\Stuff\\CustomMaxUser.ini";
constexpr char kMaxDetailSystemIni[] = "..\\Benchmark\\Stuff\\MaxDetail.ini";
constexpr char kMaxDetailUserIni[] = "..\\Benchmark\\Stuff\\MaxDetailUser.ini";

constexpr char kFixedArgumentPattern[] =
    "%s%s -exec=%s -benchmark -seconds=%d -nosound ini=%s userini=%s%s -%s";
constexpr char kScriptFlybyPattern[] =
    "%s?game=engine.gameinfo -exec=%s -benchmark -seconds=%s -nosound ini=%s userini=%s -%s";
constexpr char kScriptBotmatchPattern[] =
    "%s?spectatoronly=true?numbots=%s?quickstart=true?attractcam=true -benchmark -seconds=%s "
    "-exec=%s -nosound ini=%s userini=%s -%s";

std::vector<std::string> FixedCommandLines(FixedSequence sequence, const std::string& gameFolder,
                                           const std::string& chosenSystemIni,
                                           const std::string& chosenUserIni,
                                           const std::string& resolution) {
    std::vector<std::string> lines;
    for (const FixedLine& line : kFixedLines) {
        if (line.sequence != sequence) {
            continue;
        }
        const bool flyby = line.mode == RunMode::Flyby;
        std::string systemIni = chosenSystemIni;
        std::string userIni = chosenUserIni;
        if (line.ini == IniPair::CustomMax) {
            systemIni = kCustomMaxSystemIni;
            userIni = kCustomMaxUserIni;
        } else if (line.ini == IniPair::MaxDetail) {
            systemIni = kMaxDetailSystemIni;
            userIni = kMaxDetailUserIni;
        }
        const std::string arguments =
            Format(kFixedArgumentPattern, line.map, flyby ? kFlybyOptions : kFixedBotmatchOptions,
                   flyby ? kFlybyExec : kBotmatchExec, line.seconds, systemIni.c_str(),
                   userIni.c_str(), line.upt ? " -UPT" : "", resolution.c_str());
        lines.push_back(GameCommandLine(gameFolder, arguments));
    }
    return lines;
}

struct NamedValue {
    const char* what;
    const std::string* value;
};

// Why a value cannot go into a command line, or an empty text when it can.
std::string UnsafeValueError(const std::string& map, const std::vector<NamedValue>& values) {
    for (const NamedValue& named : values) {
        for (const char c : *named.value) {
            const auto byte = static_cast<unsigned char>(c);
            const char* problem = nullptr;
            if (c == '"') {
                problem = "a double quote";
            } else if (byte < 0x20 || byte == 0x7F) {
                problem = "a control character";
            }
            if (problem != nullptr) {
                return Format(
                    "Can't form the command line for map %s: the %s contains %s, which the "
                    "game's command line cannot carry.",
                    map.c_str(), named.what, problem);
            }
        }
    }
    return {};
}

ScriptCommandLine FinishScriptLine(const std::string& map, std::string commandLine) {
    if (commandLine.size() > kScriptCommandLineMaxLength) {
        return {{},
                Format("Can't form the command line for map %s: the command line would be %d "
                       "characters long, and a script command line holds at most %d.",
                       map.c_str(), static_cast<int>(commandLine.size()),
                       static_cast<int>(kScriptCommandLineMaxLength))};
    }
    return {std::move(commandLine), {}};
}

}  // namespace

std::string GameCommandLine(const std::string& gameFolder, const std::string& argumentText) {
    return "\"" + gameFolder + "\\System\\ut2003.exe\" " + argumentText;
}

std::vector<std::string> StandardRunCommandLines(const std::string& gameFolder,
                                                 const std::string& resolution) {
    return FixedCommandLines(FixedSequence::StandardRun, gameFolder, {}, {}, resolution);
}

std::vector<std::string> EpicPresetCommandLines(const std::string& gameFolder,
                                                const std::string& resolution) {
    return FixedCommandLines(FixedSequence::EpicPreset, gameFolder, {}, {}, resolution);
}

std::vector<std::string> FlybyPresetCommandLines(const std::string& gameFolder,
                                                 const std::string& systemIni,
                                                 const std::string& userIni,
                                                 const std::string& resolution) {
    return FixedCommandLines(FixedSequence::FlybyPresets, gameFolder, systemIni, userIni,
                             resolution);
}

std::vector<std::string> BotmatchPresetCommandLines(const std::string& gameFolder,
                                                    const std::string& systemIni,
                                                    const std::string& userIni,
                                                    const std::string& resolution) {
    return FixedCommandLines(FixedSequence::BotmatchPreset, gameFolder, systemIni, userIni,
                             resolution);
}

std::vector<std::string> ZandorFlybyCommandLines(const std::string& gameFolder,
                                                 const std::string& systemIni,
                                                 const std::string& userIni,
                                                 const std::string& resolution) {
    return FixedCommandLines(FixedSequence::ZandorFlyby, gameFolder, systemIni, userIni,
                             resolution);
}

std::vector<std::string> ZandorCpuCommandLines(const std::string& gameFolder,
                                               const std::string& systemIni,
                                               const std::string& userIni,
                                               const std::string& resolution) {
    return FixedCommandLines(FixedSequence::ZandorCpu, gameFolder, systemIni, userIni, resolution);
}

ScriptCommandLine ScriptFlybyCommandLine(const std::string& gameFolder, const ScriptFlybyRun& run) {
    const std::string error = UnsafeValueError(run.map, {{"game folder", &gameFolder},
                                                         {"map name", &run.map},
                                                         {"exec file", &run.execFile},
                                                         {"seconds value", &run.seconds},
                                                         {"system ini", &run.systemIni},
                                                         {"user ini", &run.userIni},
                                                         {"resolution", &run.resolution}});
    if (!error.empty()) {
        return {{}, error};
    }
    return FinishScriptLine(
        run.map, GameCommandLine(gameFolder,
                                 Format(kScriptFlybyPattern, run.map.c_str(), run.execFile.c_str(),
                                        run.seconds.c_str(), run.systemIni.c_str(),
                                        run.userIni.c_str(), run.resolution.c_str())));
}

ScriptCommandLine ScriptBotmatchCommandLine(const std::string& gameFolder,
                                            const ScriptBotmatchRun& run) {
    const std::string error = UnsafeValueError(run.map, {{"game folder", &gameFolder},
                                                         {"map name", &run.map},
                                                         {"bot count", &run.botCount},
                                                         {"seconds value", &run.seconds},
                                                         {"exec file", &run.execFile},
                                                         {"system ini", &run.systemIni},
                                                         {"user ini", &run.userIni},
                                                         {"resolution", &run.resolution}});
    if (!error.empty()) {
        return {{}, error};
    }
    return FinishScriptLine(
        run.map, GameCommandLine(gameFolder, Format(kScriptBotmatchPattern, run.map.c_str(),
                                                    run.botCount.c_str(), run.seconds.c_str(),
                                                    run.execFile.c_str(), run.systemIni.c_str(),
                                                    run.userIni.c_str(), run.resolution.c_str())));
}

}  // namespace tarvik
