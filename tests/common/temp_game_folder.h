#pragma once
// A throw-away game folder for tests: the installation's folders a test asks for and files with
// chosen names and contents, all removed with the object. Paths come out as the product builds
// them: backslashes in the Windows build, slashes natively.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "base/format.h"
#include "results/game_files.h"
#include "results/result_set.h"
#include "tests/common/remove_tree.h"

namespace tarvik {

enum class GameSubfolder { Csvs, Stuff, System, Maps };

enum class RunMode { Flyby, Botmatch };

// One benchmark run as the game records it; every field is what the parser reads back.
struct CsvRun {
    std::string map = "dm-antalus";
    RunMode mode = RunMode::Flyby;
    std::string resolution = "1024x768";
    std::string processor = "AMD Athlon(tm) XP 2100+ @ 1800 MHz";
    std::vector<double> frameTimesMs;  // one subframe each
};

inline std::vector<double> SteadyFrames(int count, double frameTimeMs) {
    return std::vector<double>(static_cast<std::size_t>(count), frameTimeMs);
}

// The file the game writes for the run: four header lines, a short line, the run line, two
// heading lines, the subframes and a closing line of 0, with CR LF line ends.
inline std::string CsvRunText(const CsvRun& run) {
    const char* options = run.mode == RunMode::Flyby
                              ? "?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt"
                              : "?spectatoronly=true?numbots=12?quickstart=true?attractcam=true "
                                "-exec=..\\Benchmark\\Stuff\\botmatchexec.txt";
    std::string text = Format(
        "UT2003 Build UT2003_Build_[2003-01-07_19.44]\r\n"
        "Windows XP 5.1 (Build: 2600)\r\n"
        "%s\r\n"
        "NVIDIA GeForce4 Ti 4600 (Driver: 6.14.10.4109)\r\n"
        "Timedemo results\r\n"
        "%s%s -benchmark -seconds=77 -nosound -%s\r\n"
        "FrameTime,PolyCount,ActorCount\r\n\r\n",
        run.processor.c_str(), run.map.c_str(), options, run.resolution.c_str());
    int polygons = 20000;
    for (const double frameTime : run.frameTimesMs) {
        text += Format("%.6f,%d,56\r\n", frameTime, polygons++);
    }
    return text + "0\r\n";
}

class TempGameFolder {
  public:
    explicit TempGameFolder(std::initializer_list<GameSubfolder> subfolders = {
                                GameSubfolder::Csvs}) {
        for (const GameSubfolder subfolder : subfolders) {
            std::error_code error;
            std::filesystem::create_directories(FolderOf(subfolder), error);
            if (error) {
                throw std::runtime_error("cannot make " + FolderOf(subfolder).string() + ": " +
                                         error.message());
            }
        }
    }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    const std::string& Path() const { return root_.path; }
    std::string FolderPath(GameSubfolder subfolder) const { return FolderOf(subfolder).string(); }

    // Writes (or replaces) a file; returns its full path.
    std::string WriteFile(GameSubfolder subfolder, const std::string& name,
                          const std::string& bytes) const {
        const std::filesystem::path path = FolderOf(subfolder) / name;
        std::ofstream file(path, std::ios::binary);
        file << bytes;
        file.close();
        if (!file) {
            throw std::runtime_error("cannot write " + path.string());
        }
        return path.string();
    }
    // A file of the CSV folder, at the path the product builds for it.
    std::string WriteCsv(const std::string& name, const std::string& bytes) const {
        WriteFile(GameSubfolder::Csvs, name, bytes);
        return CsvFilePath(Path(), name);
    }
    std::string WriteCsv(const std::string& name, const CsvRun& run) const {
        return WriteCsv(name, CsvRunText(run));
    }

  private:
    // Made first and removed last, so a constructor that throws leaves nothing behind.
    struct OwnedRoot {
        OwnedRoot() {
            namespace fs = std::filesystem;
            std::random_device random;
            const fs::path temp = fs::temp_directory_path();
            for (int attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
                const fs::path candidate =
                    temp / Format("tarvik-game-%08x", static_cast<unsigned>(random()));
                std::error_code error;
                if (fs::create_directory(candidate, error)) {
                    folder = candidate;
                }
            }
            if (folder.empty()) {
                throw std::runtime_error("cannot make a game folder under " + temp.string());
            }
            path = folder.string();
        }
        ~OwnedRoot() { RemoveTestTree(folder); }
        std::filesystem::path folder;
        std::string path;
    };

    std::filesystem::path FolderOf(GameSubfolder subfolder) const {
        switch (subfolder) {
            case GameSubfolder::Csvs:
                return root_.folder / "Benchmark" / "CSVs";
            case GameSubfolder::Stuff:
                return root_.folder / "Benchmark" / "Stuff";
            case GameSubfolder::System:
                return root_.folder / "System";
            case GameSubfolder::Maps:
                return root_.folder / "Maps";
        }
        return root_.folder;
    }

    OwnedRoot root_;
};

// The CSV folder's "*.csv" names as the standard library lists them, in folder order: for
// tests that load files from disk without the Windows listing.
inline std::vector<std::string> CsvNamesOnDisk(const std::string& gameFolder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(CsvFolderPath(gameFolder), error);
    for (const std::filesystem::directory_iterator end; !error && entry != end;
         entry.increment(error)) {
        std::error_code kindError;
        std::string name = entry->path().filename().string();
        if (entry->is_regular_file(kindError) && HasCsvExtension(name)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace tarvik
