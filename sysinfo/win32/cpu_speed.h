#pragma once
// CCpuSpeed: the processor clock, measured once with the time-stamp counter against the
// performance counter.
#include <cstdint>

namespace tarvik {

class CCpuSpeed {
  public:
    // Measures at once; takes about twice the measuring time (50 ms) and busy-waits.
    CCpuSpeed();

    std::int32_t ClockMhz() const { return clockMhz_; }

  private:
    std::int32_t clockMhz_ = 0;
};

}  // namespace tarvik
