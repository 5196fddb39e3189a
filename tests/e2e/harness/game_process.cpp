#include "tests/e2e/harness/game_process.h"

#include <tlhelp32.h>

#include "tests/e2e/harness/tarvik_process.h"

namespace tarvik::e2e {

namespace {

// The first "ut2003.exe" whose parent is parentPid, other than skipPid; 0 when none.
DWORD FindChildGame(DWORD parentPid, DWORD skipPid) {
    // An invalid snapshot is INVALID_HANDLE_VALUE, as with files.
    const FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return 0;
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID == parentPid && entry.th32ProcessID != skipPid &&
            _stricmp(entry.szExeFile, "ut2003.exe") == 0) {
            return entry.th32ProcessID;
        }
    }
    return 0;
}

}  // namespace

bool GameProcess::WaitForStart(const TarvikProcess& parent, Milliseconds timeout, DWORD skipPid) {
    process_.Reset();
    pid_ = 0;
    WaitUntil(
        [&] {
            const DWORD pid = FindChildGame(parent.Pid(), skipPid);
            if (pid != 0) {
                process_.Reset(OpenProcess(
                    SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid));
                pid_ = process_ ? pid : 0;
            }
            return pid_ != 0 || !parent.Running();
        },
        timeout);
    return pid_ != 0;
}

bool GameProcess::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool GameProcess::WaitForEnd(Milliseconds timeout) const {
    return !process_ || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) ==
                            WAIT_OBJECT_0;
}

}  // namespace tarvik::e2e
