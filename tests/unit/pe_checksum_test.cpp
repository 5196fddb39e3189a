#include "app/pe_checksum.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

// A minimal image: "MZ", the pointer to the PE header at 0x3C, "PE\0\0" at 0x40 and room for
// the headers up to the checksum field.
std::vector<std::uint8_t> TinyImage() {
    std::vector<std::uint8_t> image(0x40 + 24 + 96 + 7, 0x11);
    image[0] = 'M';
    image[1] = 'Z';
    image[0x3C] = 0x40;
    image[0x3D] = image[0x3E] = image[0x3F] = 0;
    image[0x40] = 'P';
    image[0x41] = 'E';
    image[0x42] = image[0x43] = 0;
    for (int i = 0; i < 4; ++i) {
        image[0x40 + 24 + 64 + i] = 0;
    }
    return image;
}

TEST(PeChecksum, StampedImageVerifiesAndAnyChangedByteIsCaught) {
    auto image = TinyImage();
    EXPECT_EQ(VerifyPeChecksum(image), ImageCheck::NotStamped);
    ASSERT_TRUE(StampPeChecksum(image));
    EXPECT_EQ(VerifyPeChecksum(image), ImageCheck::Ok);
    // The odd trailing byte counts too.
    for (std::size_t at : {std::size_t{0x90}, image.size() - 1}) {
        auto damaged = image;
        damaged[at] ^= 0x01;
        EXPECT_EQ(VerifyPeChecksum(damaged), ImageCheck::Mismatch) << "byte " << at;
    }
}

TEST(PeChecksum, KnownSumOfWordsPlusLength) {
    // Words 0x5A4D ("MZ") ... are folded with end-around carry; checked against a hand sum on a
    // four-byte "image" whose checksum field lies outside it.
    const std::vector<std::uint8_t> bytes{0xFF, 0xFF, 0x02, 0x00};
    // 0xFFFF + 0x0002 = 0x10001 -> folded 0x0002; plus length 4.
    EXPECT_EQ(ComputePeChecksum(bytes, 100), 0x0002u + 4u);
}

TEST(PeChecksum, RefusesWhatIsNotAnImage) {
    EXPECT_EQ(VerifyPeChecksum({}), ImageCheck::NotAnImage);
    auto image = TinyImage();
    image[0x41] = 'X';
    EXPECT_EQ(VerifyPeChecksum(image), ImageCheck::NotAnImage);
    image = TinyImage();
    image[0x3C] = 0xF0;  // header pointer beyond the end
    EXPECT_EQ(VerifyPeChecksum(image), ImageCheck::NotAnImage);
}

}  // namespace
}  // namespace tarvik
