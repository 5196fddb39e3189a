#include "scripts/script_editing.h"

#include <algorithm>

#include "base/format.h"

namespace tarvik {
namespace {

struct KnownRunTime {
    const char* map;
    const char* seconds;
};

// Maps whose fly-through wants a length of its own.
constexpr KnownRunTime kKnownRunTimes[] = {
    {"DM-Asbestos.ut2", "71"},
    {"BR-Endagra.ut2", "70"},
    {"CTF-Face3.ut2", "116"},
};

bool TooLong(const std::string& seconds) {
    return seconds.size() > kMaxSecondsChars;
}

}  // namespace

std::optional<std::string> DefaultRunTime(const std::string& map) {
    for (const KnownRunTime& known : kKnownRunTimes) {
        if (map == known.map) {
            return std::string(known.seconds);
        }
    }
    return std::nullopt;
}

std::string OfferedRunTime(const std::string& map, const std::string& current) {
    return DefaultRunTime(map).value_or(current);
}

std::string SelectedMaps::AddProblem(const std::string& map) const {
    if (maps_.size() >= kMaxScriptMaps) {
        return Format("A script can run at most %d maps: remove one before adding \"%s\".",
                      static_cast<int>(kMaxScriptMaps), map.c_str());
    }
    if (map.size() > kMaxMapNameChars) {
        return Format(
            "The map name \"%s\" is longer than %d characters, so a script could not "
            "run it.",
            map.c_str(), static_cast<int>(kMaxMapNameChars));
    }
    return {};
}

std::string SelectedMaps::Add(const std::string& map, const std::string& seconds) {
    std::string problem = AddProblem(map);
    if (problem.empty() && TooLong(seconds)) {
        problem =
            Format("The run time \"%s\" is longer than %d characters, so \"%s\" was not added.",
                   seconds.c_str(), static_cast<int>(kMaxSecondsChars), map.c_str());
    }
    if (problem.empty()) {
        maps_.push_back({map, seconds});
    }
    return problem;
}

std::string SelectedMaps::ChangeSeconds(std::size_t index, const std::string& seconds) {
    if (index >= maps_.size()) {
        return Format("There is no selected map number %d.", static_cast<int>(index + 1));
    }
    ScriptMap& entry = maps_[index];
    if (TooLong(seconds)) {
        return Format(
            "The run time \"%s\" is longer than %d characters, so \"%s\" keeps its run "
            "time of %s.",
            seconds.c_str(), static_cast<int>(kMaxSecondsChars), entry.map.c_str(),
            entry.seconds.c_str());
    }
    entry.seconds = seconds;
    return {};
}

bool SelectedMaps::Remove(std::size_t index) {
    if (index >= maps_.size()) {
        return false;
    }
    maps_.erase(maps_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void SelectedMaps::Load(const std::vector<ScriptMap>& maps) {
    const std::size_t kept = std::min(maps.size(), kMaxScriptMaps);
    maps_.assign(maps.begin(), maps.begin() + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace tarvik
