// The library's C interface. No exception may cross it: a failure to answer counts against the
// run, a failure to arm is an error code.
#include "quenby32/quenby32.h"

#include "quenby32/monitor.h"

#include <algorithm>
#include <cstring>
#include <string>

using tarvik::quenby::Monitor;

extern "C" {

int WINAPI QuenbyArm(void) {
    try {
        return static_cast<int>(Monitor::Instance().Arm());
    } catch (...) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

void WINAPI QuenbyBeginRun(DWORD gameProcessId) {
    try {
        Monitor::Instance().BeginRun(gameProcessId);
    } catch (...) {
    }
}

int WINAPI QuenbyRunWasDisturbed(void) {
    try {
        return Monitor::Instance().RunWasDisturbed() ? 1 : 0;
    } catch (...) {
        return 1;
    }
}

int WINAPI QuenbyLastReason(char* buffer, int size) {
    std::string reason;
    try {
        reason = Monitor::Instance().LastReason();
    } catch (...) {
        reason.clear();
    }
    if (buffer && size > 0) {
        const std::size_t copied = std::min(reason.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, reason.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(reason.size());
}

void WINAPI QuenbyRelease(void) {
    try {
        Monitor::Instance().Release();
    } catch (...) {
    }
}

}  // extern "C"
