#pragma once
// Every file of a simulated game installation, as data: which relative paths hold which bytes.
// The Win32 installer writes them; tests read them directly.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvik::simgame {

enum class Edition { Full, Demo };

// Which of the game's registry keys an installation is entered under.
enum class Registration { Full, Demo, Both, None };

struct InstallOptions {
    bool withMaps = true;             // the Maps folder and its *.ut2 files
    bool shippedMapChecksums = true;  // DM-Antalus and DM-Asbestos as shipped (else "modified")
    bool withBenchmarkStuff = true;   // the exec files and detail ini files of Benchmark\Stuff
};

struct InstallationFile {
    std::string relativePath;  // below the game folder, e.g. "System\UT2003.ini"
    std::string contents;      // bytes; texts have CR LF line ends
};

// The checksums of the two maps of the standard benchmark as the game ships them.
inline constexpr std::uint32_t kShippedAntalusCrc = 0x5C9BEEB0u;
inline constexpr std::uint32_t kShippedAsbestosCrc = 0x422A02D2u;

// The game executable's place in an installation.
inline constexpr const char* kGameExecutable = "System\\ut2003.exe";

// Map names (file names without ".ut2") that an edition ships.
std::vector<std::string> ShippedMaps(Edition edition);

// The manifest's version: "2225" for the full game, "2206" for the demo.
std::string GameVersion(Edition edition);

// All files except the executable, in the order they are best written.
std::vector<InstallationFile> InstallationFiles(Edition edition, const InstallOptions& options);

// Folders that exist even when empty ("Benchmark\CSVs" and their parents), parents first.
std::vector<std::string> InstallationFolders();

}  // namespace tarvik::simgame
