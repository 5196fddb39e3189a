#pragma once
// The machine's description as the Main tab and the upload show it: clock, memory, operating
// system and game version, each from the raw figures the Win32 layer reads.
#include <cstdint>
#include <string>

namespace tarvik {

// The measuring time of the clock, in milliseconds.
inline constexpr std::int64_t kClockMeasureMilliseconds = 50;

// Clock in whole MHz from the cycles counted over the busy delay and over the overhead-only
// delay: ((busy - overhead) / 50) / 1000, truncating 64-bit divisions, kept in 32 bits.
std::int32_t ClockMhzFromCounts(std::int64_t busyCycles, std::int64_t overheadCycles);

// Total physical memory in MB as shown and posted: (bytes >> 20) + 1.
unsigned MemoryMegabytes(std::uint64_t totalBytes);

// The operating system's name from its version numbers.
std::string GetOsName(unsigned major, unsigned minor, unsigned build);

// "os=" and the name, as posted.
std::string OsField(const std::string& osName);

// "ver=" and the game version, as posted.
std::string GameVersionField(const std::string& version);

// "<name>  @ <clock>MHz": the processor line of the Main tab.
std::string ProcessorLine(const std::string& processorName, std::int32_t clockMhz);

// "<megabytes> MB Ram": the memory line of the Main tab.
std::string MemoryLine(unsigned megabytes);

}  // namespace tarvik
