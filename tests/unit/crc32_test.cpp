#include "sysinfo/crc32.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace tarvik {
namespace {

// The plain per-byte loop over the built table: the reference the sliced loop must match.
std::uint32_t ReferenceCrc32(const Crc32Table& table, const unsigned char* data, std::size_t size) {
    std::uint32_t value = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        value = table[(value ^ data[i]) & 0xFFu] ^ (value >> 8);
    }
    return ~value;
}

std::vector<unsigned char> RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<unsigned char>(generator());
    }
    return bytes;
}

TEST(Crc32, BuiltTableHoldsThePublishedEntries) {
    CCrc32Dynamic crc;
    ASSERT_EQ(crc.Table(), nullptr);
    crc.BuildTable();
    ASSERT_NE(crc.Table(), nullptr);
    const Crc32Table& table = *crc.Table();
    const struct {
        int index;
        std::uint32_t entry;
    } known[] = {{0, 0x00000000u},   {1, 0x77073096u},   {2, 0xEE0E612Cu},  {8, 0x0EDB8832u},
                 {128, 0xEDB88320u}, {254, 0x5A05DF1Bu}, {255, 0x2D02EF8Du}};
    for (const auto& row : known) {
        EXPECT_EQ(table[row.index], row.entry) << "entry " << row.index;
    }
    crc.FreeTable();
    EXPECT_EQ(crc.Table(), nullptr);
}

TEST(Crc32, KnownVectors) {
    const struct {
        const char* text;
        std::uint32_t crc;
    } vectors[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    CCrc32Dynamic crc;
    crc.BuildTable();
    for (const auto& row : vectors) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(row.text);
        const std::size_t size = std::strlen(row.text);
        EXPECT_EQ(Crc32OfBytes(row.text, size), row.crc) << '"' << row.text << '"';
        EXPECT_EQ(ReferenceCrc32(*crc.Table(), bytes, size), row.crc) << '"' << row.text << '"';
    }
}

// Each fast loop, and the one chosen on this processor, against the per-byte table loop.
using FastCrc32 = std::uint32_t (*)(const void*, std::size_t, std::uint32_t);

class Crc32FastLoop : public ::testing::TestWithParam<FastCrc32> {};

TEST_P(Crc32FastLoop, MatchesPerByteLoopAtEveryLengthAndAlignment) {
    const FastCrc32 fast = GetParam();
    CCrc32Dynamic crc;
    crc.BuildTable();
    const auto bytes = RandomBytes(5000, 20030901u);
    // Every length up to several 64-byte groups at every offset of a 16-byte stride, then longer
    // runs with odd tails.
    for (std::size_t offset = 0; offset < 16; ++offset) {
        for (std::size_t length = 0; length <= 200; ++length) {
            ASSERT_EQ(fast(bytes.data() + offset, length, 0),
                      ReferenceCrc32(*crc.Table(), bytes.data() + offset, length))
                << "offset " << offset << " length " << length;
        }
    }
    for (std::size_t length : {255u, 256u, 1023u, 4096u, 4097u, 4983u}) {
        for (std::size_t offset : {0u, 1u, 3u, 7u, 13u}) {
            ASSERT_EQ(fast(bytes.data() + offset, length, 0),
                      ReferenceCrc32(*crc.Table(), bytes.data() + offset, length))
                << "offset " << offset << " length " << length;
        }
    }
    // All-ones and all-zero data, where a lost initial value or a wrong constant shows at once.
    for (const unsigned char fill : {0x00, 0xFF}) {
        const std::vector<unsigned char> flat(1000, fill);
        EXPECT_EQ(fast(flat.data(), flat.size(), 0),
                  ReferenceCrc32(*crc.Table(), flat.data(), flat.size()))
            << "fill " << static_cast<int>(fill);
    }
}

TEST_P(Crc32FastLoop, ContinuesFromAPreviousChecksum) {
    const FastCrc32 fast = GetParam();
    const auto bytes = RandomBytes(1000, 11u);
    for (std::size_t split : {1u, 63u, 64u, 100u, 999u}) {
        const std::uint32_t first = crc32_detail::SlicedCrc32(bytes.data(), split, 0);
        EXPECT_EQ(fast(bytes.data() + split, bytes.size() - split, first),
                  crc32_detail::SlicedCrc32(bytes.data(), bytes.size(), 0))
            << "split at " << split;
    }
}

std::string LoopName(const ::testing::TestParamInfo<FastCrc32>& info) {
    static const char* const kNames[] = {"Chosen", "Sliced", "Folded"};
    return kNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(Loops, Crc32FastLoop,
                         ::testing::Values(&Crc32OfBytes, &crc32_detail::SlicedCrc32,
                                           &crc32_detail::FoldedCrc32),
                         LoopName);

TEST(Crc32, ChainingOverAnySplitEqualsTheWhole) {
    const auto bytes = RandomBytes(300, 7u);
    const std::uint32_t whole = Crc32OfBytes(bytes.data(), bytes.size());
    for (std::size_t split = 0; split <= bytes.size(); ++split) {
        const std::uint32_t first = Crc32OfBytes(bytes.data(), split);
        ASSERT_EQ(Crc32OfBytes(bytes.data() + split, bytes.size() - split, first), whole)
            << "split at " << split;
    }
}

class Crc32File : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = ::testing::TempDir() + "tarvik_crc32_" + info->name() + "_" +
                std::to_string(getpid()) + ".bin";
        std::remove(path_.c_str());
    }
    void TearDown() override { std::remove(path_.c_str()); }

    void Write(const std::vector<unsigned char>& bytes) {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        if (!bytes.empty()) {
            ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        }
        std::fclose(file);
    }

    std::string path_;
};

TEST_F(Crc32File, WholeFileAcrossSeveralBlocks) {
    // Two full blocks and a partial third, so block joins and the short last read both count.
    const auto bytes = RandomBytes(2 * kCrc32FileBlockSize + 17, 99u);
    Write(bytes);
    CCrc32Dynamic crc;
    crc.BuildTable();
    std::uint32_t checksum = 0xDEADBEEFu;
    EXPECT_EQ(crc.FileCrc32(path_, checksum), 0);
    EXPECT_EQ(checksum, ReferenceCrc32(*crc.Table(), bytes.data(), bytes.size()));
}

TEST_F(Crc32File, KnownContentAndEmptyFile) {
    CCrc32Dynamic crc;
    crc.BuildTable();
    std::uint32_t checksum = 0;
    Write({'1', '2', '3', '4', '5', '6', '7', '8', '9'});
    EXPECT_EQ(crc.FileCrc32(path_, checksum), 0);
    EXPECT_EQ(checksum, 0xCBF43926u);
    Write({});
    checksum = 0xDEADBEEFu;
    EXPECT_EQ(crc.FileCrc32(path_, checksum), 0);
    EXPECT_EQ(checksum, 0u);
}

TEST_F(Crc32File, OneChangedByteChangesTheChecksum) {
    auto bytes = RandomBytes(3 * kCrc32FileBlockSize, 5u);
    Write(bytes);
    CCrc32Dynamic crc;
    crc.BuildTable();
    std::uint32_t original = 0;
    ASSERT_EQ(crc.FileCrc32(path_, original), 0);
    bytes[kCrc32FileBlockSize + 100] ^= 0x40;
    Write(bytes);
    std::uint32_t changed = 0;
    ASSERT_EQ(crc.FileCrc32(path_, changed), 0);
    EXPECT_NE(changed, original);
}

TEST_F(Crc32File, MissingFileGivesZeroAndAnError) {
    CCrc32Dynamic crc;
    crc.BuildTable();
    std::uint32_t checksum = 0xDEADBEEFu;
    EXPECT_NE(crc.FileCrc32(path_, checksum), 0);
    EXPECT_EQ(checksum, 0u);
}

TEST_F(Crc32File, WithoutTableNothingIsReadAndTheCodeIs23) {
    Write({'1', '2', '3'});
    CCrc32Dynamic crc;
    std::uint32_t checksum = 0xDEADBEEFu;
    EXPECT_EQ(crc.FileCrc32(path_, checksum), 23);
    EXPECT_EQ(checksum, 0u);
    crc.BuildTable();
    crc.FreeTable();
    checksum = 0xDEADBEEFu;
    EXPECT_EQ(crc.FileCrc32(path_, checksum), 23);
    EXPECT_EQ(checksum, 0u);
}

}  // namespace
}  // namespace tarvik
