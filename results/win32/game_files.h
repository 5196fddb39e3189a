#pragma once
// The game's files through the Windows API: names come back in the ANSI code page, the same
// one the file functions open them with (the standard library's listing would give UTF-8).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "results/game_files.h"
#include "sysinfo/crc32.h"

namespace tarvik {

class WindowsGameFiles final : public GameFiles {
  public:
    WindowsGameFiles();

    std::vector<std::string> ListCsvNames(const std::string& gameFolder) override;
    std::optional<std::uint32_t> FileChecksum(const std::string& path) override;

  private:
    CCrc32Dynamic crc_;
};

}  // namespace tarvik
