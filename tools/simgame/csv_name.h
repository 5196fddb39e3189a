#pragma once
// Names for new result files. The front-end takes the last name of the folder in the order of a
// sorted Windows list box as the newest run, so a new name must sort after every name already
// there in that order (letter case does not count, hyphens only break ties).
#include <string>
#include <vector>

namespace tarvik::simgame {

// A name that sorts after every name in `existing`, normally
// "UT2003-Benchmark-" and a six-digit number one above the highest such number there. Returns
// an empty text when no such name could be made.
std::string NextResultCsvName(const std::vector<std::string>& existing);

}  // namespace tarvik::simgame
