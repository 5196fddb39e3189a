#pragma once
// The PE image checksum: stamped into tarvik.exe after linking and verified at start-up, so a
// damaged executable is refused before it runs a benchmark.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvik {

enum class ImageCheck { Ok, NotAnImage, NotStamped, Mismatch };

// Offset of the CheckSum field of the optional header, or none when the bytes are not a PE image.
std::optional<std::size_t> PeChecksumOffset(const std::vector<std::uint8_t>& image);

// The checksum of the image as the loader defines it (16-bit one's-complement-style sum of the
// file with the checksum field taken as zero, plus the file length).
std::uint32_t ComputePeChecksum(const std::vector<std::uint8_t>& image, std::size_t checksumOffset);

// Writes the computed checksum into the header; false when the bytes are not a PE image.
bool StampPeChecksum(std::vector<std::uint8_t>& image);

ImageCheck VerifyPeChecksum(const std::vector<std::uint8_t>& image);

}  // namespace tarvik
