#pragma once
// The game's files as the pages and the standard run see them: the result files of its CSV
// folder and the checksum of any file. Windows answers in results/win32/game_files.h; tests
// script the answers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

class GameFiles {
  public:
    virtual ~GameFiles() = default;
    // Names (without folder) of the "*.csv" files in the game's CSV folder, in the order the
    // folder gives them; none when the folder is missing. Folders are left out.
    virtual std::vector<std::string> ListCsvNames(const std::string& gameFolder) = 0;
    // CRC-32 of the whole file; nullopt when it cannot be read.
    virtual std::optional<std::uint32_t> FileChecksum(const std::string& path) = 0;
};

// Whether a name ends in ".csv", whatever its case, as Windows matches "*.csv".
bool HasCsvExtension(const std::string& name);

}  // namespace tarvik
