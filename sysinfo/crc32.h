#pragma once
// CRC-32 as used by zip and PNG (reflected polynomial 0xEDB88320, initial value and final
// value complemented): the map check before a standard run and the checksums of its result
// files.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tarvik {

inline constexpr std::uint32_t kCrc32Polynomial = 0xEDB88320u;

// Returned by FileCrc32 when no table has been built (the system's ERROR_CRC).
inline constexpr int kCrc32NoTableError = 23;

// Files are read in blocks of this size.
inline constexpr std::size_t kCrc32FileBlockSize = 4096;

using Crc32Table = std::array<std::uint32_t, 256>;

// CRC-32 of a byte buffer, continuing from the CRC of the bytes before it: `crc` is the
// finished checksum of everything so far (0 for nothing), and the result is the finished
// checksum including `data`. So Crc32OfBytes(b, nb, Crc32OfBytes(a, na)) equals the checksum
// of a followed by b, and Crc32OfBytes("123456789", 9) is 0xCBF43926. Same convention as
// zlib's crc32().
std::uint32_t Crc32OfBytes(const void* data, std::size_t size, std::uint32_t crc = 0);

// The two loops behind Crc32OfBytes, exposed so tests can hold each against the per-byte
// table loop whatever processor they run on. Same convention as Crc32OfBytes.
namespace crc32_detail {
std::uint32_t SlicedCrc32(const void* data, std::size_t size, std::uint32_t crc);
// Carry-less multiplication folding (x86 PCLMULQDQ); only when FoldingAvailable().
bool FoldingAvailable();
std::uint32_t FoldedCrc32(const void* data, std::size_t size, std::uint32_t crc);
}  // namespace crc32_detail

// Checksums whole files. Callers build the table, checksum, and free it again.
class CCrc32Dynamic {
  public:
    CCrc32Dynamic() = default;
    ~CCrc32Dynamic() { FreeTable(); }
    CCrc32Dynamic(const CCrc32Dynamic&) = delete;
    CCrc32Dynamic& operator=(const CCrc32Dynamic&) = delete;

    void BuildTable();
    void FreeTable();

    // The per-byte table, or nullptr before BuildTable / after FreeTable.
    const Crc32Table* Table() const { return table_.get(); }

    // CRC-32 of the whole file at `path` (a native path, opened with std::fopen). Returns 0 on
    // success, kCrc32NoTableError without a table, or the errno of a failed open; in both
    // failure cases `checksum` is 0. A read failure part-way is not an error: the checksum then
    // covers the bytes read so far.
    int FileCrc32(const std::string& path, std::uint32_t& checksum) const;

  private:
    std::unique_ptr<Crc32Table> table_;
};

}  // namespace tarvik
