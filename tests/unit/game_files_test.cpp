#include "results/game_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "results/csv_parser.h"
#include "results/result_set.h"
#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

TEST(GameFiles, CsvExtensionIsMatchedWhateverItsCase) {
    const struct {
        const char* name;
        bool csv;
    } cases[] = {
        {"run.csv", true}, {"RUN.CSV", true},   {"run.Csv", true},      {".csv", true},
        {"csv", false},    {"run.csvx", false}, {"run.csv.bak", false}, {"run_csv", false},
        {"run.cs", false}, {"", false},         {"run.c\xD3v", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasCsvExtension(c.name), c.csv) << c.name;
    }
}

// The test-side listing native tests load through: the same rule as the Windows listing.
TEST(GameFiles, CsvNamesOnDiskLeaveOutOtherFilesAndFolders) {
    TempGameFolder game;
    for (const char* name : {"a.csv", "B.CSV", "c.Csv", "notes.txt", "d.csv.bak", "csv"}) {
        game.WriteCsv(name, "x");
    }
    std::filesystem::create_directory(game.FolderPath(GameSubfolder::Csvs) + "/folder.csv");
    std::vector<std::string> names = CsvNamesOnDisk(game.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.CSV", "a.csv", "c.Csv"}));
    EXPECT_TRUE(CsvNamesOnDisk(game.Path() + "/no such game").empty());
}

TEST(TempGameFolder, MakesTheAskedFoldersAndRemovesEverything) {
    std::string root;
    {
        TempGameFolder game({GameSubfolder::Csvs, GameSubfolder::Stuff, GameSubfolder::System,
                             GameSubfolder::Maps});
        root = game.Path();
        for (const GameSubfolder subfolder : {GameSubfolder::Csvs, GameSubfolder::Stuff,
                                              GameSubfolder::System, GameSubfolder::Maps}) {
            EXPECT_TRUE(std::filesystem::is_directory(game.FolderPath(subfolder)));
        }
        EXPECT_EQ(game.FolderPath(GameSubfolder::Csvs), CsvFolderPath(root));
        game.WriteFile(GameSubfolder::Maps, "DM-Antalus.ut2", "map");
        EXPECT_EQ(game.WriteCsv("run.csv", "bytes"), CsvFilePath(root, "run.csv"));
        EXPECT_TRUE(std::filesystem::is_regular_file(CsvFilePath(root, "run.csv")));
    }
    EXPECT_FALSE(std::filesystem::exists(root));

    TempGameFolder onlySystem({GameSubfolder::System});
    EXPECT_TRUE(std::filesystem::is_directory(onlySystem.FolderPath(GameSubfolder::System)));
    EXPECT_FALSE(std::filesystem::exists(onlySystem.FolderPath(GameSubfolder::Csvs)));
}

TEST(TempGameFolder, RunCsvReadsBackAsTheRunItDescribes) {
    struct Case {
        RunMode mode;
        const char* resolution;
        const char* modeName;
    };
    for (const Case& c : {Case{RunMode::Flyby, "800x600", "flyby"},
                          Case{RunMode::Botmatch, "1600x1200", "botmatch"}}) {
        CsvRun run;
        run.map = "dm-inferno";
        run.mode = c.mode;
        run.resolution = c.resolution;
        run.processor = "Intel(R) Pentium(R) 4 @ 2400 MHz";
        run.frameTimesMs = SteadyFrames(95, 12.5);
        const MapResult record = ParseCsvText(CsvRunText(run), ResultSettings{});
        EXPECT_EQ(record.mapName, "dm-inferno") << c.modeName;
        EXPECT_EQ(record.mode, c.modeName);
        EXPECT_EQ(record.resolution, c.resolution);
        EXPECT_EQ(record.cpuMhz, 2400);
        EXPECT_EQ(record.perSecondCount, 3);  // subframes 30, 60, 90
        EXPECT_DOUBLE_EQ(record.avgFps, 80.0);
    }
}

}  // namespace
}  // namespace tarvik
