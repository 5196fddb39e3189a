#pragma once
// What the simulated game leaves in its installation: the log of the command lines it was started
// with, and its result files.
#include <string>
#include <vector>

namespace tarvik::e2e {

// "<game>\System\ut2003sim.log": one line per start of the game, as GetCommandLineA gave it.
std::string GameCommandLogPath(const std::string& gameFolder);
// The logged command lines in start order; empty when the game never started.
std::vector<std::string> GameCommandLog(const std::string& gameFolder);

// "<game>\Benchmark\CSVs".
std::string ResultFolder(const std::string& gameFolder);
// Names of the "*.csv" files there, sorted without regard to case.
std::vector<std::string> ResultFileNames(const std::string& gameFolder);

}  // namespace tarvik::e2e
