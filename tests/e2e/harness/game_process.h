#pragma once
// The game process that tarvik.exe starts for a benchmark run, seen from the test.
#include <windows.h>

#include "base/win32/handles.h"
#include "tests/e2e/harness/timing.h"

namespace tarvik::e2e {

class TarvikProcess;

class GameProcess {
  public:
    // Waits until a "ut2003.exe" started by parentPid runs (other than skipPid) and opens it;
    // false on time-out or when the parent has ended.
    bool WaitForStart(const TarvikProcess& parent, Milliseconds timeout, DWORD skipPid = 0);

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_.Get(); }
    bool Running() const;
    // True when the game ended within timeout.
    bool WaitForEnd(Milliseconds timeout) const;

  private:
    KernelHandle process_;
    DWORD pid_ = 0;
};

}  // namespace tarvik::e2e
