#pragma once
// CCpuInfo: the processor's name from the CPUID instruction, and its measured clock.
#include <cstdint>
#include <memory>
#include <string>

#include "sysinfo/cpu_identity.h"
#include "sysinfo/win32/cpu_speed.h"

namespace tarvik {

class CCpuInfo {
  public:
    // Identifies the processor and, when it has a time-stamp counter, measures its clock
    // (about 100 ms). Never fails: without CPUID the name stays empty and there is no clock.
    CCpuInfo();

    // Windows-1252; empty when the processor could not be identified.
    const std::string& GetProcessorName() const { return identity_.name; }
    // The measured clock in MHz, or -1 without one.
    std::int32_t GetClockMHz() const { return speed_ ? speed_->ClockMhz() : -1; }
    const CpuIdentity& Identity() const { return identity_; }

  private:
    CpuIdentity identity_;
    std::unique_ptr<CCpuSpeed> speed_;
};

// The CPUID instruction of the processor this runs on; empty when it has none.
CpuidFunction ProcessorCpuid();

}  // namespace tarvik
