#pragma once
// What the script editor does to its maps without a window: the run time it offers for a map,
// and the selected maps with their run times, which refuse what a script could not run.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "scripts/script_format.h"

namespace tarvik {

// Offered for a newly added map that has no run time of its own.
inline constexpr const char* kFirstRunTime = "77";

// The run time a few known maps always get offered; exact, case-sensitive names.
std::optional<std::string> DefaultRunTime(const std::string& map);

// The map's own default when it has one, otherwise `current`.
std::string OfferedRunTime(const std::string& map, const std::string& current);

// The selected maps in their order, one run time each. Every change that would make a script
// the Custom tab refuses is turned down, with the message saying why; the table is then as it
// was.
class SelectedMaps {
  public:
    // Why the map cannot be added, or empty: asked before its run time is.
    std::string AddProblem(const std::string& map) const;
    // Empty when added.
    std::string Add(const std::string& map, const std::string& seconds);
    // Empty when changed.
    std::string ChangeSeconds(std::size_t index, const std::string& seconds);
    // False for an index outside the table; the later maps move up.
    bool Remove(std::size_t index);
    // A loaded script's maps as they stand, at most kMaxScriptMaps of them.
    void Load(const std::vector<ScriptMap>& maps);

    const std::vector<ScriptMap>& Maps() const { return maps_; }
    std::size_t Count() const { return maps_.size(); }
    bool Empty() const { return maps_.empty(); }

  private:
    std::vector<ScriptMap> maps_;
};

}  // namespace tarvik
