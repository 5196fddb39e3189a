#pragma once
// tarvik.exe (or another program of the bin folder) started by a test and never left behind:
// a process still running when its owner goes is killed.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/win32/handles.h"
#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

struct ProcessOptions {
    // Empty: tarvik.exe of the bin folder.
    std::string exePath;
    // Empty: the folder of the program.
    std::string workingFolder;
    // Variables added to (or replacing those of) the test's own environment, e.g.
    // {"UT2003SIM_TIME_SCALE", "0"}.
    std::vector<std::pair<std::string, std::string>> environment;
};

class TarvikProcess {
  public:
    TarvikProcess() = default;
    TarvikProcess(const TarvikProcess&) = delete;
    TarvikProcess& operator=(const TarvikProcess&) = delete;
    ~TarvikProcess();

    // Starts the program; fails with the reason when it cannot, or when one is already started.
    ::testing::AssertionResult Start(const ProcessOptions& options = {});

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_.Get(); }
    const std::string& ExePath() const { return exePath_; }
    bool Running() const;
    // The exit code once the process has ended; nothing while it runs or before Start.
    std::optional<DWORD> ExitCode() const;

    // Waits for the process to end by itself; on time-out says so and leaves it running.
    ::testing::AssertionResult WaitForExit(Milliseconds timeout = kDefaultTimeout) const;
    // Waits for the end and checks the exit code.
    ::testing::AssertionResult WaitForExitCode(DWORD expected,
                                               Milliseconds timeout = kDefaultTimeout) const;
    // Ends the process at once (if it still runs) and waits until it is gone.
    void Kill();

  private:
    KernelHandle process_;
    DWORD pid_ = 0;
    std::string exePath_;
};

// The environment block of the test process with the given variables set; names compare
// without regard to case, as Windows does.
std::string EnvironmentBlockWith(const std::vector<std::pair<std::string, std::string>>& variables);

}  // namespace tarvik::e2e
