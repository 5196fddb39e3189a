#pragma once
// Starting the game once and waiting for it, and the closing steps every preset and script
// sequence shares. The program does not respond while the game runs: one thread, and the game
// takes the screen.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "base/prompt.h"
#include "bench/game_launcher.h"

namespace tarvik {

// Starts the command line (no application name, the program's own environment and current
// folder) and waits for the game to end. onStarted hears the game's process id before the wait.
// Returns false, having told the user "Can't execute benchmark", when the game cannot start.
bool RunGameAndWait(const std::string& commandLine, Prompt& prompt,
                    const std::function<void(DWORD processId)>& onStarted = {});

// After the last run of a preset or script sequence: only this sequence's results when the
// option says so, "Finished Benchmarking", then the Results page.
void FinishSequence(const PageContext& context, int runCount, bool onlyCurrentResults);

// Runs every line in order (a line that cannot start is told and the next one follows), then
// afterRuns, then the closing steps, with only this preset's results when the Standard tab's
// option says so.
void RunPresetSequence(const PageContext& context, GameLauncher& launcher,
                       const std::vector<std::string>& lines,
                       const std::function<void()>& afterRuns = {});

class WindowsGameLauncher : public GameLauncher {
  public:
    explicit WindowsGameLauncher(Prompt& prompt) : prompt_(prompt) {}
    bool RunAndWait(const std::string& commandLine) override {
        return RunGameAndWait(commandLine, prompt_);
    }

  private:
    Prompt& prompt_;
};

// Caption of "Can't execute benchmark": the program's name, as the platform's default caption.
inline constexpr const char* kProgramName = "Tarvik";

}  // namespace tarvik
