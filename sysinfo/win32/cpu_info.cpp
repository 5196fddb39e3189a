#include "sysinfo/win32/cpu_info.h"

#include <cpuid.h>

namespace tarvik {

CpuidFunction ProcessorCpuid() {
#if defined(__x86_64__)
    // Every x86-64 processor has CPUID (long mode itself is detected through it), so the
    // instruction cannot fault and needs no exception guard.
    const bool present = true;
#else
    // A 32-bit processor has CPUID when software can flip the ID flag of EFLAGS; GCC's helper
    // makes that test before it executes the instruction, and answers 0 when the flag is stuck.
    const bool present = __get_cpuid_max(0, nullptr) != 0;
#endif
    if (!present) {
        return {};
    }
    return [](std::uint32_t leaf) {
        CpuidRegisters registers{};
        __cpuid_count(leaf, 0, registers[0], registers[1], registers[2], registers[3]);
        return registers;
    };
}

CCpuInfo::CCpuInfo() {
    const CpuidFunction cpuid = ProcessorCpuid();
    if (!cpuid) {
        return;
    }
    identity_ = IdentifyCpu(cpuid);
    if (identity_.hasTsc) {
        speed_ = std::make_unique<CCpuSpeed>();
    }
}

}  // namespace tarvik
