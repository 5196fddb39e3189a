#pragma once
// Deterministic randomness for the simulated game: every "random" byte and frame time comes from
// a seed made of the run's inputs, so one command line with the same ini files always gives the
// same result file.
#include <cstdint>
#include <string_view>

namespace tarvik::simgame {

// 64-bit FNV-1a over text; `hash` continues an earlier hash.
constexpr std::uint64_t kFnvOffsetBasis = 0xCBF29CE484222325ull;
inline std::uint64_t HashText(std::string_view text, std::uint64_t hash = kFnvOffsetBasis) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// SplitMix64: small, fast and good enough for plausible noise.
class RandomStream {
  public:
    explicit RandomStream(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [low, high).
    double Between(double low, double high) { return low + (high - low) * Unit(); }

  private:
    std::uint64_t state_;
};

}  // namespace tarvik::simgame
