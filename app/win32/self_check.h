#pragma once
// The program checks its own executable file against the checksum stamped into it at build time.
#include "app/pe_checksum.h"

namespace tarvik {

ImageCheck CheckOwnImage();

inline constexpr const char* kDamagedImageMessage =
    "Tarvik's program file is damaged: its checksum does not match. Please install Tarvik again.";

}  // namespace tarvik
