#include "sysinfo/system_facts.h"

#include "base/format.h"

namespace tarvik {
namespace {

struct OsRow {
    unsigned major;
    unsigned minor;
    unsigned minimumBuild;
    const char* name;
};

// Later rows win, so a build threshold follows the row it refines.
constexpr OsRow kOsNames[] = {
    {4, 0, 0, "Windows 95"},
    {4, 10, 0, "Windows 98"},
    {4, 90, 0, "Windows ME"},
    {5, 0, 0, "Windows 2000"},
    {5, 1, 0, "Windows XP"},
    {5, 2, 0, "Windows Server 2003"},
    {6, 0, 0, "Windows Vista"},
    {6, 1, 0, "Windows 7"},
    {6, 2, 0, "Windows 8"},
    {6, 3, 0, "Windows 8.1"},
    {10, 0, 0, "Windows 10"},
    // Windows 11 still reports 10.0; only its build number tells it apart.
    {10, 0, 22000, "Windows 11"},
};

}  // namespace

std::int32_t ClockMhzFromCounts(std::int64_t busyCycles, std::int64_t overheadCycles) {
    // Subtract as the 64-bit registers do, so that even a faulted count (-1) cannot overflow.
    const auto difference = static_cast<std::int64_t>(static_cast<std::uint64_t>(busyCycles) -
                                                      static_cast<std::uint64_t>(overheadCycles));
    return static_cast<std::int32_t>((difference / kClockMeasureMilliseconds) / 1000);
}

unsigned MemoryMegabytes(std::uint64_t totalBytes) {
    return static_cast<unsigned>(totalBytes >> 20) + 1u;
}

std::string GetOsName(unsigned major, unsigned minor, unsigned build) {
    const char* name = major == 4 ? "Unknown 9x" : "Unknown";
    for (const OsRow& row : kOsNames) {
        if (row.major == major && row.minor == minor && build >= row.minimumBuild) {
            name = row.name;
        }
    }
    return name;
}

std::string OsField(const std::string& osName) {
    return "os=" + osName;
}

std::string GameVersionField(const std::string& version) {
    return Format("ver=%s", version.c_str());
}

std::string ProcessorLine(const std::string& processorName, std::int32_t clockMhz) {
    return Format("%s  @ %dMHz", processorName.c_str(), static_cast<int>(clockMhz));
}

std::string MemoryLine(unsigned megabytes) {
    return Format("%u MB Ram", megabytes);
}

}  // namespace tarvik
