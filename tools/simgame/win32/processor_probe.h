#pragma once
// What the simulated game writes about the processor: its brand string and its clock.
#include <string>

namespace tarvik::simgame {

// The processor's brand string from CPUID, trimmed; empty when the processor has none.
std::string ProcessorBrand();

// The clock in MHz: Windows' own figure for processor 0 when it has one, otherwise measured
// against the time-stamp counter over 50 ms; rounded to a multiple of ten either way.
int ProcessorClockMhz();

}  // namespace tarvik::simgame
