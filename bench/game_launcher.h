#pragma once
// Starts the game with one command line and waits for it to end. The pages run their sequences
// through it, so tests can record the lines instead of starting a game.
#include <string>

namespace tarvik {

class GameLauncher {
  public:
    virtual ~GameLauncher() = default;
    // False, the user having been told, when the game could not be started.
    virtual bool RunAndWait(const std::string& commandLine) = 0;
};

}  // namespace tarvik
