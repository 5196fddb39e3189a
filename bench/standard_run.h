#pragma once
// The standard benchmark: map check, four runs of the game, a checksum of each run's result file,
// and the hand-over to the Results tab and the score. What it needs from Windows comes through
// StandardRunPlatform and GameFiles, so the sequence and every failure are tested natively.
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "base/prompt.h"
#include "results/game_files.h"

namespace tarvik {

class StandardRunPlatform {
  public:
    virtual ~StandardRunPlatform() = default;
    virtual bool ArmMonitor(std::string* error) = 0;
    virtual void ReleaseMonitor() = 0;
    // Writes the two ini files the runs hand to the game; names the file that failed.
    virtual bool WriteIniFiles(std::string* failedPath) = 0;
    virtual void DiscardIniFiles() = 0;
    // Starts the game and waits for it to end; false when it could not be started (the user
    // has been told).
    virtual bool RunGame(const std::string& commandLine) = 0;
    // Whether the monitor saw the last run interfered with.
    virtual bool LastRunDisturbed() = 0;
};

enum class StandardRunOutcome {
    RefusedDemo,
    MapModified,
    MonitorUnavailable,
    IniFilesUnwritable,
    Failed,
    Succeeded,
};

inline constexpr std::uint32_t kAntalusCrc = 0x5C9BEEB0;
inline constexpr std::uint32_t kAsbestosCrc = 0x422A02D2;
inline constexpr const char* kStandardRunResolution = "1024x768";
inline constexpr const char* kStandardRunFailedMessage =
    "There was a problem running the benchmark, Please close all background programs and try "
    "again";

StandardRunOutcome RunStandardBenchmark(AppState& state, StandardRunPlatform& platform,
                                        GameFiles& files, Prompt& prompt, PageSwitcher& pages);

}  // namespace tarvik
