#pragma once
// Stand-ins for the game's map packages: deterministic bytes that begin like an Unreal package,
// and, for the maps the front-end checks, exactly the checksums the shipped maps have.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvik::simgame {

// First four bytes of every Unreal package, stored little-endian.
inline constexpr std::uint32_t kPackageMagic = 0x9E2A83C1u;

// Four bytes that, appended to data whose CRC-32 is `crcSoFar`, make the CRC-32 of the whole
// equal to `wanted`. The CRC register is run backwards through the four steps.
std::array<std::uint8_t, 4> CrcForgingTail(std::uint32_t crcSoFar, std::uint32_t wanted);

// The bytes of a map file, between 224 and 288 KiB, fixed by the map's name. With `wantedCrc`
// the last four bytes are chosen so that the file has exactly that CRC-32.
std::string MakeMapFile(const std::string& mapName, std::optional<std::uint32_t> wantedCrc);

}  // namespace tarvik::simgame
