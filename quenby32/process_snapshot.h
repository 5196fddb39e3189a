#pragma once
// The system's process list through the toolhelp snapshot: names and parents only, without
// opening any process.
#include "quenby32/process_entry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvik::quenby {

// Nothing when the list cannot be read.
std::optional<std::vector<ProcessEntry>> TakeProcessSnapshot();

// Only the ids, sorted: one system call, a fraction of a snapshot's cost (under Wine a fifth),
// so the monitor can look often and take a snapshot only when an id is new.
std::optional<std::vector<std::uint32_t>> ListProcessIds();

}  // namespace tarvik::quenby
