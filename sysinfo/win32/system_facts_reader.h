#pragma once
// Everything the Main tab says about the machine, read in one go.
#include <cstdint>
#include <string>

#include "sysinfo/win32/video_card.h"
#include "sysinfo/win32/windows_facts.h"

namespace tarvik {

struct SystemFacts {
    std::string processorName;  // Windows-1252
    std::int32_t clockMhz = -1;
    std::uint64_t totalMemoryBytes = 0;
    WindowsVersion windowsVersion;
    VideoCard videoCard;
};

// Identifies the processor, measures its clock (about 100 ms of busy waiting) and asks Windows
// and Direct3D 8 for the rest.
SystemFacts ReadSystemFacts();

}  // namespace tarvik
