// Host tool run after linking tarvik.exe: writes the PE checksum into the image's header.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/pe_checksum.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pe-stamp IMAGE.exe\n");
        return 2;
    }
    std::vector<std::uint8_t> image;
    {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "pe-stamp: cannot read %s\n", argv[1]);
            return 1;
        }
        image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (!tarvik::StampPeChecksum(image)) {
        std::fprintf(stderr, "pe-stamp: %s is not a PE image\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "pe-stamp: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
