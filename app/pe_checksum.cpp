#include "app/pe_checksum.h"

namespace tarvik {
namespace {

std::uint32_t ReadLe32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

constexpr std::size_t kNewHeaderPointer = 0x3C;
constexpr std::size_t kSignatureAndFileHeader = 4 + 20;
constexpr std::size_t kChecksumInOptionalHeader = 64;

}  // namespace

std::optional<std::size_t> PeChecksumOffset(const std::vector<std::uint8_t>& image) {
    if (image.size() < kNewHeaderPointer + 4 || image[0] != 'M' || image[1] != 'Z') {
        return std::nullopt;
    }
    const std::size_t peHeader = ReadLe32(image, kNewHeaderPointer);
    const std::size_t offset = peHeader + kSignatureAndFileHeader + kChecksumInOptionalHeader;
    if (peHeader > image.size() || offset + 4 > image.size() || image[peHeader] != 'P' ||
        image[peHeader + 1] != 'E' || image[peHeader + 2] != 0 || image[peHeader + 3] != 0) {
        return std::nullopt;
    }
    return offset;
}

std::uint32_t ComputePeChecksum(const std::vector<std::uint8_t>& image,
                                std::size_t checksumOffset) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < image.size(); at += 2) {
        if (at == checksumOffset || at == checksumOffset + 2) {
            continue;
        }
        std::uint32_t word = image[at];
        if (at + 1 < image.size()) {
            word |= static_cast<std::uint32_t>(image[at + 1]) << 8;
        }
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return sum + static_cast<std::uint32_t>(image.size());
}

bool StampPeChecksum(std::vector<std::uint8_t>& image) {
    const auto offset = PeChecksumOffset(image);
    if (!offset) {
        return false;
    }
    const std::uint32_t checksum = ComputePeChecksum(image, *offset);
    for (int i = 0; i < 4; ++i) {
        image[*offset + i] = static_cast<std::uint8_t>(checksum >> (8 * i));
    }
    return true;
}

ImageCheck VerifyPeChecksum(const std::vector<std::uint8_t>& image) {
    const auto offset = PeChecksumOffset(image);
    if (!offset) {
        return ImageCheck::NotAnImage;
    }
    const std::uint32_t stored = ReadLe32(image, *offset);
    if (stored == 0) {
        return ImageCheck::NotStamped;
    }
    return stored == ComputePeChecksum(image, *offset) ? ImageCheck::Ok : ImageCheck::Mismatch;
}

}  // namespace tarvik
