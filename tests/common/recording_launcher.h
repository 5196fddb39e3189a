#pragma once
// A game launcher that starts nothing: it records each line as if the game had run it.
#include <string>
#include <vector>

#include "bench/game_launcher.h"

namespace tarvik {

class RecordingLauncher : public GameLauncher {
  public:
    bool RunAndWait(const std::string& commandLine) override {
        lines.push_back(commandLine);
        return true;
    }

    std::vector<std::string> lines;
};

}  // namespace tarvik
