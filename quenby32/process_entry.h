#pragma once
// One line of the system's process list, as the monitor judges it.
#include <cstdint>
#include <string>
#include <tuple>

namespace tarvik::quenby {

struct ProcessEntry {
    std::uint32_t id = 0;
    std::uint32_t parentId = 0;
    std::string exeName;  // file name only, e.g. "notepad.exe"

    // Process ids are reused quickly; the parent and the name tell a new process from an old
    // one that happens to get the same id.
    bool operator<(const ProcessEntry& other) const {
        return std::tie(id, parentId, exeName) < std::tie(other.id, other.parentId, other.exeName);
    }
};

}  // namespace tarvik::quenby
