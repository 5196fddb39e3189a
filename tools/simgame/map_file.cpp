#include "tools/simgame/map_file.h"

#include "sysinfo/crc32.h"
#include "tools/simgame/random_stream.h"

namespace tarvik::simgame {
namespace {

constexpr std::size_t kSmallestMap = 224 * 1024;
constexpr std::size_t kSizeSpread = 64 * 1024;
constexpr std::uint16_t kPackageVersion = 119;
constexpr std::uint16_t kLicenseeVersion = 27;

void PutLittleEndian(std::string* bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        *bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::array<std::uint8_t, 4> CrcForgingTail(std::uint32_t crcSoFar, std::uint32_t wanted) {
    CCrc32Dynamic crc;
    crc.BuildTable();
    const Crc32Table& table = *crc.Table();
    // Each table entry has a different top byte, so a step of the register can be undone.
    std::array<std::uint8_t, 256> entryByTopByte{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        entryByTopByte[table[i] >> 24] = static_cast<std::uint8_t>(i);
    }
    // Feeding four bytes b into the register r gives the same as feeding four zero bytes into
    // r ^ b; so undo four zero-byte steps from the wanted register and take the difference.
    std::uint32_t registerValue = ~wanted;
    for (int step = 0; step < 4; ++step) {
        const std::uint8_t index = entryByTopByte[registerValue >> 24];
        registerValue = ((registerValue ^ table[index]) << 8) | index;
    }
    const std::uint32_t tail = registerValue ^ ~crcSoFar;
    return {static_cast<std::uint8_t>(tail), static_cast<std::uint8_t>(tail >> 8),
            static_cast<std::uint8_t>(tail >> 16), static_cast<std::uint8_t>(tail >> 24)};
}

std::string MakeMapFile(const std::string& mapName, std::optional<std::uint32_t> wantedCrc) {
    RandomStream random(HashText(mapName, HashText("map package")));
    const std::size_t size = kSmallestMap + random.Next() % kSizeSpread;

    std::string bytes;
    bytes.reserve(size);
    PutLittleEndian(&bytes, kPackageMagic, 4);
    PutLittleEndian(&bytes, kPackageVersion, 2);
    PutLittleEndian(&bytes, kLicenseeVersion, 2);
    PutLittleEndian(&bytes, 0x00000001u, 4);  // package flags: allow download
    bytes += mapName;
    bytes += '\0';
    const std::size_t bodyEnd = wantedCrc ? size - 4 : size;
    while (bytes.size() < bodyEnd) {
        const std::uint64_t word = random.Next();
        for (int i = 0; i < 8 && bytes.size() < bodyEnd; ++i) {
            bytes += static_cast<char>((word >> (8 * i)) & 0xFF);
        }
    }
    if (wantedCrc) {
        const std::uint32_t crcSoFar = Crc32OfBytes(bytes.data(), bytes.size());
        for (std::uint8_t b : CrcForgingTail(crcSoFar, *wantedCrc)) {
            bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

}  // namespace tarvik::simgame
