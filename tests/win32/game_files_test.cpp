#include "results/win32/game_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

TEST(WindowsGameFiles, ListsTheCsvFilesWhateverTheCaseOfTheirExtension) {
    TempGameFolder game({GameSubfolder::Csvs, GameSubfolder::Maps});
    for (const char* name :
         {"a.csv", "B.CSV", "c.Csv", "notes.txt", "d.csv.bak", "csv", "longer name.csvx"}) {
        game.WriteCsv(name, "x");
    }
    ASSERT_TRUE(CreateDirectoryA(CsvFilePath(game.Path(), "folder.csv").c_str(), nullptr));
    game.WriteFile(GameSubfolder::Maps, "DM-Antalus.csv", "not in the CSV folder");

    WindowsGameFiles files;
    std::vector<std::string> names = files.ListCsvNames(game.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.CSV", "a.csv", "c.Csv"}));
}

TEST(WindowsGameFiles, MissingFoldersListNothing) {
    const TempGameFolder withoutCsvs({GameSubfolder::System});
    WindowsGameFiles files;
    EXPECT_TRUE(files.ListCsvNames(withoutCsvs.Path()).empty());
    EXPECT_TRUE(files.ListCsvNames(withoutCsvs.Path() + "\\no such game").empty());
}

TEST(WindowsGameFiles, ChecksumsWholeFilesAndTellsWhichCannotBeRead) {
    TempGameFolder game({GameSubfolder::Csvs, GameSubfolder::Maps});
    const std::string digits = game.WriteCsv("b.csv", "123456789");
    const std::string empty = game.WriteCsv("a.CSV", "");
    const std::string map = game.WriteFile(GameSubfolder::Maps, "DM-Antalus.ut2", "123456789");
    // Larger than one read block, so the blocks are joined.
    const std::string large(10000, 'u');
    const std::string largePath = game.WriteCsv("large.csv", large);

    WindowsGameFiles files;
    const struct {
        const char* what;
        std::string path;
        std::optional<std::uint32_t> crc;
    } cases[] = {
        {"nine digits", digits, 0xCBF43926u},
        {"empty file", empty, 0u},
        {"a map", map, 0xCBF43926u},
        {"large file", largePath, Crc32OfBytes(large.data(), large.size())},
        {"missing file", CsvFilePath(game.Path(), "gone.csv"), std::nullopt},
        {"a folder", game.FolderPath(GameSubfolder::Maps), std::nullopt},
    };
    // Twice over: the table built once serves every file.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& c : cases) {
            EXPECT_EQ(files.FileChecksum(c.path), c.crc) << c.what << " " << pass;
        }
    }
}

}  // namespace
}  // namespace tarvik
