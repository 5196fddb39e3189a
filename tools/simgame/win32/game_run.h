#pragma once
// One run of the simulated game, from its command line to its result file.
#include <string>

namespace tarvik::simgame {

// Exit codes of the simulated game.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;      // bad command line, missing file, bad environment
inline constexpr int kExitWriteFailed = 2;  // the result file could not be written

// Runs the game for `commandLine` (the process's whole command line) and returns the exit code.
int RunSimulatedGame(const std::string& commandLine);

}  // namespace tarvik::simgame
