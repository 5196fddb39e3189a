#include "sysinfo/win32/system_facts_reader.h"

#include "sysinfo/win32/cpu_info.h"

namespace tarvik {

SystemFacts ReadSystemFacts() {
    SystemFacts facts;
    const CCpuInfo cpu;
    facts.processorName = cpu.GetProcessorName();
    facts.clockMhz = cpu.GetClockMHz();
    facts.totalMemoryBytes = TotalPhysicalMemoryBytes();
    facts.windowsVersion = TrueWindowsVersion();
    facts.videoCard = ReadVideoCard();
    return facts;
}

}  // namespace tarvik
