#pragma once
// The text lines of the Results tab's list (and of the saved results file): a block of system
// information whenever the machine changes, then each map's name, mode, resolution and rates.
#include <string>
#include <vector>

#include "results/result_set.h"

namespace tarvik {

// Two records come from different machines (and get a system block each) when any header
// but the third differs, the third differs before its last "@", or the clocks differ by more
// than this many MHz.
constexpr int kSameMachineClockSpreadMhz = 10;

bool SameMachine(const MapResult& a, const MapResult& b);

std::vector<std::string> ResultsListLines(const ResultSet& results);

}  // namespace tarvik
