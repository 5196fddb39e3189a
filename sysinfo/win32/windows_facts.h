#pragma once
// What Windows reports about itself and the machine: the true version and the memory total.
#include <cstdint>

namespace tarvik {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

// The version the system really is. GetVersionExA answers 6.2 to any program without a
// compatibility manifest on Windows 8.1 and later, so ntdll is asked directly.
WindowsVersion TrueWindowsVersion();

// Total physical memory in bytes (0 when Windows does not say). The extended query, because
// the old one stops at 4 GiB.
std::uint64_t TotalPhysicalMemoryBytes();

}  // namespace tarvik
