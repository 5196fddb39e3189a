#include "sysinfo/crc32.h"

#include <cerrno>
#include <cstdio>

#include "base/stdio_file.h"

// Carry-less multiplication folding where the compiler can target it; it is chosen at run time
// only on processors that have the instruction.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define TARVIK_CRC32_FOLDING 1
#include <immintrin.h>
#else
#define TARVIK_CRC32_FOLDING 0
#endif

namespace tarvik {
namespace {

// Slicing-by-16: slice k advances a byte through k further zero bytes, so sixteen input bytes
// fold into the CRC with sixteen independent look-ups instead of a chain of sixteen.
constexpr std::size_t kSlices = 16;
using SliceTables = std::array<Crc32Table, kSlices>;

constexpr SliceTables MakeSliceTables() {
    SliceTables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1u) ? (c >> 1) ^ kCrc32Polynomial : c >> 1;
        }
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < kSlices; ++k) {
        for (std::size_t n = 0; n < 256; ++n) {
            const std::uint32_t previous = tables[k - 1][n];
            tables[k][n] = (previous >> 8) ^ tables[0][previous & 0xFFu];
        }
    }
    return tables;
}

constexpr SliceTables kSliceTables = MakeSliceTables();

// Little-endian load from any alignment; compilers turn this into one move on x86.
inline std::uint32_t LoadLittleEndian32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint32_t Slice(std::size_t k, std::uint32_t word, int byteIndex) {
    return kSliceTables[k][(word >> (8 * byteIndex)) & 0xFFu];
}

// Advances the (complemented) CRC register over the bytes.
std::uint32_t SlicedRegister(std::uint32_t value, const unsigned char* p, std::size_t size) {
    while (size >= kSlices) {
        const std::uint32_t w0 = LoadLittleEndian32(p) ^ value;
        const std::uint32_t w1 = LoadLittleEndian32(p + 4);
        const std::uint32_t w2 = LoadLittleEndian32(p + 8);
        const std::uint32_t w3 = LoadLittleEndian32(p + 12);
        value = Slice(15, w0, 0) ^ Slice(14, w0, 1) ^ Slice(13, w0, 2) ^ Slice(12, w0, 3) ^
                Slice(11, w1, 0) ^ Slice(10, w1, 1) ^ Slice(9, w1, 2) ^ Slice(8, w1, 3) ^
                Slice(7, w2, 0) ^ Slice(6, w2, 1) ^ Slice(5, w2, 2) ^ Slice(4, w2, 3) ^
                Slice(3, w3, 0) ^ Slice(2, w3, 1) ^ Slice(1, w3, 2) ^ Slice(0, w3, 3);
        p += kSlices;
        size -= kSlices;
    }
    while (size-- > 0) {
        value = kSliceTables[0][(value ^ *p++) & 0xFFu] ^ (value >> 8);
    }
    return value;
}

#if TARVIK_CRC32_FOLDING

// x^n mod P in the reflected bit order of the register (x^0 in bit 31).
constexpr std::uint32_t PowerOfXModP(int n) {
    std::uint32_t r = 0x80000000u;
    for (int i = 0; i < n; ++i) {
        r = (r & 1u) ? (r >> 1) ^ kCrc32Polynomial : r >> 1;
    }
    return r;
}

// A 128-bit block X = H x^64 + L (H the first eight bytes) moved n bits on is congruent to
// H (x^(n+64) mod P) + L (x^n mod P). A reflected carry-less product of a 64-bit half with a
// 32-bit constant comes out multiplied by x^33, hence the exponents 33 lower.
constexpr long long FoldConstant(int exponent) {
    return static_cast<long long>(PowerOfXModP(exponent - 33));
}

constexpr long long kFold512High = FoldConstant(512 + 64);
constexpr long long kFold512Low = FoldConstant(512);
constexpr long long kFold128High = FoldConstant(128 + 64);
constexpr long long kFold128Low = FoldConstant(128);

__attribute__((target("pclmul,sse2"))) inline __m128i Fold(__m128i block, __m128i constants) {
    return _mm_xor_si128(_mm_clmulepi64_si128(block, constants, 0x00),
                         _mm_clmulepi64_si128(block, constants, 0x11));
}

__attribute__((target("pclmul,sse2"))) inline __m128i Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Folds four 16-byte lanes 512 bits at a time, then into one lane, then hands the last
// 16 bytes and the tail to the table loop (which finishes the reduction modulo P).
__attribute__((target("pclmul,sse2"))) std::uint32_t FoldedRegister(std::uint32_t value,
                                                                    const unsigned char* p,
                                                                    std::size_t size) {
    if (size < 64) {
        return SlicedRegister(value, p, size);
    }
    const __m128i by512 = _mm_set_epi64x(kFold512Low, kFold512High);
    const __m128i by128 = _mm_set_epi64x(kFold128Low, kFold128High);
    __m128i x0 = _mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(value)));
    __m128i x1 = Load(p + 16);
    __m128i x2 = Load(p + 32);
    __m128i x3 = Load(p + 48);
    p += 64;
    size -= 64;
    while (size >= 64) {
        x0 = _mm_xor_si128(Fold(x0, by512), Load(p));
        x1 = _mm_xor_si128(Fold(x1, by512), Load(p + 16));
        x2 = _mm_xor_si128(Fold(x2, by512), Load(p + 32));
        x3 = _mm_xor_si128(Fold(x3, by512), Load(p + 48));
        p += 64;
        size -= 64;
    }
    __m128i x = _mm_xor_si128(Fold(x0, by128), x1);
    x = _mm_xor_si128(Fold(x, by128), x2);
    x = _mm_xor_si128(Fold(x, by128), x3);
    while (size >= 16) {
        x = _mm_xor_si128(Fold(x, by128), Load(p));
        p += 16;
        size -= 16;
    }
    unsigned char folded[16];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(folded), x);
    return SlicedRegister(SlicedRegister(0, folded, sizeof folded), p, size);
}

#endif

}  // namespace

namespace crc32_detail {

std::uint32_t SlicedCrc32(const void* data, std::size_t size, std::uint32_t crc) {
    return ~SlicedRegister(~crc, static_cast<const unsigned char*>(data), size);
}

bool FoldingAvailable() {
#if TARVIK_CRC32_FOLDING
    static const bool available = __builtin_cpu_supports("pclmul") != 0;
    return available;
#else
    return false;
#endif
}

std::uint32_t FoldedCrc32(const void* data, std::size_t size, std::uint32_t crc) {
#if TARVIK_CRC32_FOLDING
    if (FoldingAvailable()) {
        return ~FoldedRegister(~crc, static_cast<const unsigned char*>(data), size);
    }
#endif
    return SlicedCrc32(data, size, crc);
}

}  // namespace crc32_detail

std::uint32_t Crc32OfBytes(const void* data, std::size_t size, std::uint32_t crc) {
    return crc32_detail::FoldingAvailable() ? crc32_detail::FoldedCrc32(data, size, crc)
                                            : crc32_detail::SlicedCrc32(data, size, crc);
}

void CCrc32Dynamic::BuildTable() {
    FreeTable();
    auto table = std::make_unique<Crc32Table>();
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1u) ? (c >> 1) ^ kCrc32Polynomial : c >> 1;
        }
        (*table)[n] = c;
    }
    table_ = std::move(table);
}

void CCrc32Dynamic::FreeTable() {
    table_.reset();
}

int CCrc32Dynamic::FileCrc32(const std::string& path, std::uint32_t& checksum) const {
    checksum = 0;
    if (!table_) {
        return kCrc32NoTableError;
    }
    errno = 0;
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) {
        return errno != 0 ? errno : ENOENT;
    }
    // The sliced loop gives the same values as the per-byte loop over table_ (the unit tests
    // hold the two side by side) and is several times faster on the multi-megabyte maps.
    std::uint32_t crc = 0;
    unsigned char block[kCrc32FileBlockSize];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) {
            break;
        }
        crc = Crc32OfBytes(block, got, crc);
        checksum = crc;
        if (got < sizeof block) {
            break;  // end of file, or a read error: the bytes so far count
        }
    }
    return 0;
}

}  // namespace tarvik
