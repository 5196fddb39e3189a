#pragma once
// The monitor behind the exports: a thread of its own that holds an out-of-context foreground
// hook and, while a game runs, looks at the foreground window and the process list now and
// then. It blocks while nothing happens and never touches the game's process beyond waiting
// for it to end.
#include "base/win32/handles.h"
#include "quenby32/run_watch.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarvik::quenby {

class Monitor {
  public:
    // The library's one monitor: its exports carry no handle, so there can only be one.
    static Monitor& Instance();

    DWORD Arm();
    void BeginRun(DWORD gameProcessId);
    bool RunWasDisturbed();
    std::string LastReason();
    void Release();

  private:
    enum class Request { kNone, kBeginRun, kSettle };

    Monitor() = default;
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    // Hands a request to the thread and waits until it has been served; false when the thread
    // is gone.
    bool Ask(Request request, DWORD gameProcessId);

    // Everything below runs on the monitor thread.
    static DWORD WINAPI ThreadMain(void* self);
    static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                    LONG child, DWORD eventThread, DWORD eventTime);
    void Serve();
    void DispatchPending();
    void ServeRequest();
    void StartRun(DWORD gameProcessId);
    void FinishRun();
    void PollDueChecks();
    bool GameHasEnded() const;
    void OnForeground(HWND window, DWORD eventThread);
    void ExamineForegroundWindow(HWND window, DWORD eventThread);
    void CheckForegroundNow();
    // Snapshots only when an id appeared since the last look, unless always is set.
    void CheckProcessesNow(bool always);
    DWORD MillisecondsToNextPoll() const;

    // Set by Arm and Release on the caller's thread, while no monitor thread runs.
    KernelHandle thread_;
    KernelHandle stopEvent_;
    KernelHandle requestEvent_;
    KernelHandle servedEvent_;
    HMODULE pinnedModule_ = nullptr;
    DWORD armResult_ = 0;
    SRWLOCK callerLock_ = SRWLOCK_INIT;  // one request at a time

    SRWLOCK stateLock_ = SRWLOCK_INIT;  // guards the fields up to watch_
    Request request_ = Request::kNone;
    DWORD requestedGameId_ = 0;
    RunWatch watch_;

    // Owned by the monitor thread.
    bool runActive_ = false;
    KernelHandle game_;  // SYNCHRONIZE only: to learn when the run ends
    HWND lastForeground_ = nullptr;
    std::vector<std::uint32_t> lastProcessIds_;  // sorted
    ULONGLONG nextForegroundPoll_ = 0;
    ULONGLONG nextProcessPoll_ = 0;
    DWORD ownSession_ = 0;
};

}  // namespace tarvik::quenby
