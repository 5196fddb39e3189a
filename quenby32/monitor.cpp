#include "quenby32/monitor.h"

#include "quenby32/process_snapshot.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvik::quenby {

namespace {

// A window that lives a quarter of a second is seen even where the foreground event does not
// come (Wine 8 raises none); new processes are looked for half as often, as even a list of ids
// costs more than a window handle.
constexpr ULONGLONG kForegroundPollMs = 250;
constexpr ULONGLONG kProcessPollMs = 500;

class ExclusiveLock {
  public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

  private:
    SRWLOCK& lock_;
};

// Some failing calls leave no error code; a failure must never read as success.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

DWORD ProcessOfThread(DWORD threadId) {
    KernelHandle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, threadId));
    return thread ? GetProcessIdOfThread(thread.Get()) : 0;
}

}  // namespace

Monitor& Monitor::Instance() {
    static Monitor monitor;
    return monitor;
}

DWORD Monitor::Arm() {
    ExclusiveLock caller(callerLock_);
    if (thread_) {
        return 0;
    }
    stopEvent_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    requestEvent_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    servedEvent_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!stopEvent_ || !requestEvent_ || !servedEvent_) {
        return LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    SetLastError(0);
    if (!TakeProcessSnapshot()) {
        return LastErrorOr(ERROR_ACCESS_DENIED);
    }
    DWORD session = 0;
    ownSession_ = ProcessIdToSessionId(GetCurrentProcessId(), &session) ? session : 0;

    // The thread holds a reference of its own on the library, so a FreeLibrary without Release
    // can never unload code that the thread still runs.
    HMODULE pinned = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(this),
                            &pinned)) {
        return LastErrorOr(ERROR_MOD_NOT_FOUND);
    }
    pinnedModule_ = pinned;
    armResult_ = ERROR_HOOK_NOT_INSTALLED;  // unless the thread reports otherwise
    thread_.Reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
    if (!thread_) {
        const DWORD error = LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
        FreeLibrary(pinned);
        return error;
    }
    HANDLE started[2] = {servedEvent_.Get(), thread_.Get()};
    WaitForMultipleObjects(2, started, FALSE, INFINITE);
    if (armResult_ != 0) {
        SetEvent(stopEvent_.Get());
        WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
        return armResult_;
    }
    return 0;
}

void Monitor::BeginRun(DWORD gameProcessId) {
    ExclusiveLock caller(callerLock_);
    Ask(Request::kBeginRun, gameProcessId);
}

bool Monitor::RunWasDisturbed() {
    ExclusiveLock caller(callerLock_);
    const bool answered = !thread_ || Ask(Request::kSettle, 0);
    ExclusiveLock state(stateLock_);
    if (!answered) {
        watch_.Flag("the monitor stopped working");
    }
    return watch_.Disturbed();
}

std::string Monitor::LastReason() {
    ExclusiveLock state(stateLock_);
    return watch_.Reason();
}

void Monitor::Release() {
    ExclusiveLock caller(callerLock_);
    if (thread_) {
        SetEvent(stopEvent_.Get());
        WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
    stopEvent_.Reset();
    requestEvent_.Reset();
    servedEvent_.Reset();
    ExclusiveLock state(stateLock_);
    request_ = Request::kNone;
    watch_ = RunWatch{};
}

bool Monitor::Ask(Request request, DWORD gameProcessId) {
    if (!thread_) {
        return false;
    }
    {
        ExclusiveLock state(stateLock_);
        request_ = request;
        requestedGameId_ = gameProcessId;
    }
    SetEvent(requestEvent_.Get());
    HANDLE served[2] = {servedEvent_.Get(), thread_.Get()};
    return WaitForMultipleObjects(2, served, FALSE, INFINITE) == WAIT_OBJECT_0;
}

// ---- the monitor thread ----

DWORD WINAPI Monitor::ThreadMain(void* self) {
    auto* monitor = static_cast<Monitor*>(self);
    HMODULE pinned = monitor->pinnedModule_;
    try {
        monitor->Serve();
    } catch (...) {
        // The thread ends; a caller waiting for it learns so from its handle.
    }
    FreeLibraryAndExitThread(pinned, 0);
}

void CALLBACK Monitor::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG,
                                  DWORD eventThread, DWORD) {
    if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW) {
        return;
    }
    try {
        Instance().OnForeground(window, eventThread);
    } catch (...) {
        // No exception may unwind into the system's message dispatch.
    }
}

void Monitor::Serve() {
    MSG message;
    PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // a queue for the hook
    // Out of context: the events come through this thread's queue, and nothing is loaded into
    // any other process.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                         OnWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    armResult_ = hook ? 0 : LastErrorOr(ERROR_HOOK_NOT_INSTALLED);
    SetEvent(servedEvent_.Get());
    if (!hook) {
        return;
    }
    for (;;) {
        HANDLE handles[3] = {stopEvent_.Get(), requestEvent_.Get(), game_.Get()};
        const DWORD count = game_ ? 3 : 2;
        const DWORD timeout = runActive_ ? MillisecondsToNextPoll() : INFINITE;
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(count, handles, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) {
            break;
        }
        DispatchPending();
        if (woke == WAIT_OBJECT_0 + 1) {
            ServeRequest();
        } else if (runActive_) {
            PollDueChecks();
        }
    }
    UnhookWinEvent(hook);
    game_.Reset();
    runActive_ = false;
}

void Monitor::DispatchPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

void Monitor::ServeRequest() {
    Request request;
    DWORD gameProcessId;
    {
        ExclusiveLock state(stateLock_);
        request = std::exchange(request_, Request::kNone);
        gameProcessId = requestedGameId_;
    }
    if (request == Request::kBeginRun) {
        StartRun(gameProcessId);
    } else if (request == Request::kSettle && runActive_) {
        // The caller asks once the game has ended; a game that cannot be waited for ends here.
        if (!game_ || GameHasEnded()) {
            FinishRun();
        } else {
            CheckForegroundNow();
            CheckProcessesNow(true);
        }
    }
    SetEvent(servedEvent_.Get());
}

void Monitor::StartRun(DWORD gameProcessId) {
    game_.Reset(gameProcessId != 0 ? OpenProcess(SYNCHRONIZE, FALSE, gameProcessId) : nullptr);
    lastProcessIds_ = ListProcessIds().value_or(std::vector<std::uint32_t>{});
    const auto baseline = TakeProcessSnapshot();
    {
        ExclusiveLock state(stateLock_);
        watch_.Start(gameProcessId, GetCurrentProcessId(),
                     baseline ? *baseline : std::vector<ProcessEntry>{});
        if (!baseline) {
            // Without it no new process can be told from an old one.
            watch_.Flag("the process list could not be read");
        }
    }
    lastForeground_ = GetForegroundWindow();
    runActive_ = true;
    const ULONGLONG now = GetTickCount64();
    nextForegroundPoll_ = now + kForegroundPollMs;
    nextProcessPoll_ = now + kProcessPollMs;
}

void Monitor::FinishRun() {
    CheckProcessesNow(true);  // whatever was born since the last look
    runActive_ = false;
    game_.Reset();
}

void Monitor::PollDueChecks() {
    if (GameHasEnded()) {
        FinishRun();
        return;
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= nextForegroundPoll_) {
        CheckForegroundNow();
        nextForegroundPoll_ = now + kForegroundPollMs;
    }
    if (now >= nextProcessPoll_) {
        CheckProcessesNow(false);
        nextProcessPoll_ = now + kProcessPollMs;
    }
}

bool Monitor::GameHasEnded() const {
    return game_ && WaitForSingleObject(game_.Get(), 0) == WAIT_OBJECT_0;
}

void Monitor::OnForeground(HWND window, DWORD eventThread) {
    // Once the game has gone, the system hands the foreground on by itself.
    if (!runActive_ || GameHasEnded()) {
        return;
    }
    lastForeground_ = window;
    ExamineForegroundWindow(window, eventThread);
}

void Monitor::ExamineForegroundWindow(HWND window, DWORD eventThread) {
    // The bare desktop is no program: it shows when the game closes or nothing else is left.
    if (!window || window == GetDesktopWindow() || window == GetShellWindow()) {
        return;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0 && eventThread != 0) {
        processId = ProcessOfThread(eventThread);  // the window is already gone
    }
    if (processId == 0) {
        return;
    }
    {
        ExclusiveLock state(stateLock_);
        if (watch_.IsOwnOrGame(processId)) {
            return;
        }
    }
    const auto now = TakeProcessSnapshot();
    ExclusiveLock state(stateLock_);
    watch_.ExamineForeground(
        processId, now ? *now : std::vector<ProcessEntry>{}, [this](std::uint32_t id) {
            DWORD session = 0;
            return !ProcessIdToSessionId(id, &session) || session == ownSession_;
        });
}

void Monitor::CheckForegroundNow() {
    HWND window = GetForegroundWindow();
    if (window == lastForeground_) {
        return;
    }
    lastForeground_ = window;
    ExamineForegroundWindow(window, 0);
}

void Monitor::CheckProcessesNow(bool always) {
    if (auto ids = ListProcessIds()) {
        // An id that ended and came back between two looks slips through here; the snapshot
        // of the run's end still sees such a process if it lives on.
        const bool anyNew = !std::includes(lastProcessIds_.begin(), lastProcessIds_.end(),
                                           ids->begin(), ids->end());
        lastProcessIds_ = std::move(*ids);
        if (!anyNew && !always) {
            return;
        }
    }
    const auto now = TakeProcessSnapshot();
    if (!now) {
        return;  // a passing failure; the next look catches up
    }
    ExclusiveLock state(stateLock_);
    watch_.ExamineProcesses(*now, [this](std::uint32_t id) {
        DWORD session = 0;
        return !ProcessIdToSessionId(id, &session) || session == ownSession_;
    });
}

DWORD Monitor::MillisecondsToNextPoll() const {
    const ULONGLONG now = GetTickCount64();
    const ULONGLONG next =
        nextForegroundPoll_ < nextProcessPoll_ ? nextForegroundPoll_ : nextProcessPoll_;
    return next > now ? static_cast<DWORD>(next - now) : 0;
}

}  // namespace tarvik::quenby
