#include "sysinfo/win32/cpu_speed.h"

#include <windows.h>
#include <intrin.h>

#include "sysinfo/system_facts.h"

namespace tarvik {
namespace {

// Spins on the performance counter until `milliseconds` have passed (busy), or runs the same
// set-up and counter readings without the wait (the loop ends after the first reading unless it
// lands exactly on `ticks`): what the busy count carries on top of the clock cycles themselves.
// One body for both, so the two counts differ only by the wait. Without a performance counter
// it returns at once.
template <bool kBusy>
void Delay(std::int64_t milliseconds) {
    LARGE_INTEGER frequency;
    if (!QueryPerformanceFrequency(&frequency)) {
        return;
    }
    const std::int64_t ticks = (frequency.QuadPart / 1000) * milliseconds;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&start);
    do {
        QueryPerformanceCounter(&now);
    } while (kBusy ? now.QuadPart - start.QuadPart < ticks
                   : now.QuadPart - start.QuadPart == ticks);
}

// Time-stamp counter cycles spent in `delay`. Windows leaves RDTSC open to user mode
// (CR4.TSD clear), and CCpuInfo measures only when CPUID reports the counter, so the
// instruction cannot fault here and the faulted count (-1) never arises.
std::int64_t CountCycles(void (*delay)(std::int64_t)) {
    const std::uint64_t before = __rdtsc();
    delay(kClockMeasureMilliseconds);
    const std::uint64_t after = __rdtsc();
    return static_cast<std::int64_t>(after - before);
}

}  // namespace

CCpuSpeed::CCpuSpeed() {
    const std::int64_t busy = CountCycles(Delay<true>);
    const std::int64_t overhead = CountCycles(Delay<false>);
    clockMhz_ = ClockMhzFromCounts(busy, overhead);
}

}  // namespace tarvik
