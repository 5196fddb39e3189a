#pragma once
// The environment variables through which tests steer the simulated game: how fast time runs,
// how a run fails, where the command lines are logged and which processor the result names.
#include <string>

namespace tarvik::simgame {

// A factor on the run's real duration: 0 returns at once, 1 (the default) is real time.
inline constexpr const char* kTimeScaleVariable = "UT2003SIM_TIME_SCALE";
// "no-csv", "truncated", "crash", "exit" or "hang", optionally "@N" for run N only.
inline constexpr const char* kFailVariable = "UT2003SIM_FAIL";
// A file to log every command line to, instead of "<game>\System\ut2003sim.log".
inline constexpr const char* kLogVariable = "UT2003SIM_LOG";
// A folder to keep a copy of each run's ini files in, as "run-N-system.ini" and "run-N-user.ini":
// tests see what a run was given even when the program deletes the files afterwards.
inline constexpr const char* kIniCopyVariable = "UT2003SIM_INI_COPIES";
// "name|mhz": the processor and clock to write instead of the measured ones.
inline constexpr const char* kProcessorVariable = "UT2003SIM_CPU";

enum class Failure {
    None,
    NoCsv,      // runs its time, writes nothing, exits with 0
    Truncated,  // writes a file cut off in the middle of its data
    Crash,      // an access violation half-way through the run
    Exit,       // exits with 0 at once
    Hang,       // never ends
};

struct FailureSwitch {
    Failure failure = Failure::None;
    int onlyRun = 0;  // 1-based run number it applies to; 0 for every run
};

// An empty text is no failure.
bool ParseFailureSwitch(const std::string& text, FailureSwitch* failure, std::string* error);

// The failure that run `runNumber` (1-based, as counted in the command-line log) suffers.
Failure FailureForRun(const FailureSwitch& failure, int runNumber);

// An empty text is 1.0; anything else must be a number from 0 to 1000.
bool ParseTimeScale(const std::string& text, double* scale, std::string* error);

struct ProcessorOverride {
    std::string name;
    int clockMhz = 0;
};

bool ParseProcessorOverride(const std::string& text, ProcessorOverride* processor,
                            std::string* error);

// Clocks measured from the time-stamp counter wobble by a few MHz between runs; results of one
// machine should agree, so the game reports the nearest multiple of ten.
int RoundedClockMhz(double measuredMhz);

// Lines in a log text (a last line without its line end counts too).
int CountLogLines(const std::string& logText);

}  // namespace tarvik::simgame
