#include "tools/simgame/win32/processor_probe.h"

#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <cstring>

#include "base/win32/handles.h"
#include "tools/simgame/sim_environment.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr DWORD kMeasuringMs = 50;

int RegistryClockMhz() {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0,
                        KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return 0;
    }
    RegistryKey key(opened);
    DWORD mhz = 0;
    DWORD size = sizeof mhz;
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), "~MHz", nullptr, &type, reinterpret_cast<BYTE*>(&mhz),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return 0;
    }
    return RoundedClockMhz(static_cast<double>(mhz));
}

int MeasuredClockMhz() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        return 0;
    }
    const LONGLONG ticks = frequency.QuadPart * kMeasuringMs / 1000;
    ::QueryPerformanceCounter(&start);
    const unsigned long long cyclesBefore = __rdtsc();
    do {
        ::QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < ticks);
    const unsigned long long cycles = __rdtsc() - cyclesBefore;
    const double seconds = static_cast<double>(now.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    return RoundedClockMhz(static_cast<double>(cycles) / seconds / 1e6);
}

}  // namespace

std::string ProcessorBrand() {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(0x80000000u, &eax, &ebx, &ecx, &edx) || eax < 0x80000004u) {
        return {};
    }
    char brand[49] = {};
    for (unsigned int leaf = 0; leaf < 3; ++leaf) {
        unsigned int registers[4] = {};
        __get_cpuid(0x80000002u + leaf, &registers[0], &registers[1], &registers[2], &registers[3]);
        std::memcpy(brand + 16 * leaf, registers, sizeof registers);
    }
    return Trimmed(brand);
}

int ProcessorClockMhz() {
    const int fromRegistry = RegistryClockMhz();
    return fromRegistry > 0 ? fromRegistry : MeasuredClockMhz();
}

}  // namespace tarvik::simgame
