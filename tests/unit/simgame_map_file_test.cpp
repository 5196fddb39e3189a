#include "tools/simgame/map_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sysinfo/crc32.h"

namespace tarvik::simgame {
namespace {

// A bitwise CRC-32, independent of the table the forger and the program use.
std::uint32_t ReferenceCrc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
        }
    }
    return ~crc;
}

TEST(SimgameMapFile, ReferenceCrcIsTheStandardOne) {
    EXPECT_EQ(ReferenceCrc("123456789"), 0xCBF43926u);
}

TEST(SimgameMapFile, ForgedTailGivesAnyWantedChecksum) {
    const std::string prefixes[] = {"", "a", "123456789", std::string(1000, '\xFF')};
    const std::uint32_t wanted[] = {0x00000000u, 0xFFFFFFFFu, 0x5C9BEEB0u, 0x422A02D2u,
                                    0x12345678u};
    for (const std::string& prefix : prefixes) {
        for (std::uint32_t crc : wanted) {
            const auto tail = CrcForgingTail(ReferenceCrc(prefix), crc);
            std::string bytes = prefix;
            bytes.append(reinterpret_cast<const char*>(tail.data()), tail.size());
            EXPECT_EQ(ReferenceCrc(bytes), crc) << prefix.size() << " bytes, " << std::hex << crc;
        }
    }
}

TEST(SimgameMapFile, ShippedMapsHaveTheirChecksumsAndOthersDoNot) {
    const std::string antalus = MakeMapFile("DM-Antalus", 0x5C9BEEB0u);
    const std::string asbestos = MakeMapFile("DM-Asbestos", 0x422A02D2u);
    EXPECT_EQ(ReferenceCrc(antalus), 0x5C9BEEB0u);
    EXPECT_EQ(ReferenceCrc(asbestos), 0x422A02D2u);
    EXPECT_EQ(Crc32OfBytes(antalus.data(), antalus.size()), 0x5C9BEEB0u);

    // One changed byte, or the same map without the forged tail, no longer matches.
    std::string changed = antalus;
    changed[changed.size() / 2] ^= 0x40;
    EXPECT_NE(ReferenceCrc(changed), 0x5C9BEEB0u);
    EXPECT_NE(ReferenceCrc(MakeMapFile("DM-Antalus", std::nullopt)), 0x5C9BEEB0u);
}

TEST(SimgameMapFile, LooksLikeAnUnrealPackageOfPlausibleSize) {
    for (const char* name : {"DM-Antalus", "CTF-Face3", "DOM-SunTemple", "BR-IceFields"}) {
        const std::string bytes = MakeMapFile(name, std::nullopt);
        ASSERT_GE(bytes.size(), 224u * 1024) << name;
        EXPECT_LT(bytes.size(), 288u * 1024) << name;
        std::uint32_t magic = 0;
        for (int i = 3; i >= 0; --i) {
            magic = (magic << 8) | static_cast<unsigned char>(bytes[i]);
        }
        EXPECT_EQ(magic, kPackageMagic) << name;
        EXPECT_EQ(bytes, MakeMapFile(name, std::nullopt)) << "deterministic";
    }
    EXPECT_NE(MakeMapFile("CTF-Face3", std::nullopt), MakeMapFile("CTF-Citadel", std::nullopt));
}

}  // namespace
}  // namespace tarvik::simgame
