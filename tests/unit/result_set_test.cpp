#include "results/result_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/format.h"
#include "tests/common/recording_prompt.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

// A game folder of its own with an empty CSV folder, removed at the end of the test.
class TempGameFolder {
  public:
    TempGameFolder() {
        std::random_device random;
        root_ = fs::temp_directory_path() /
                Format("tarvik-result-set-%08x", static_cast<unsigned>(random()));
        fs::create_directories(root_ / "Benchmark" / "CSVs");
    }
    ~TempGameFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    std::string path() const { return root_.string(); }
    fs::path csvs() const { return root_ / "Benchmark" / "CSVs"; }

    // A run on `map` with `dataLines` subframes of 20 ms.
    void WriteCsv(const std::string& name, const std::string& map, int dataLines = 100) const {
        std::ofstream file(csvs() / name, std::ios::binary);
        file << "UT2003 benchmark\nWindows XP\nPentium 4 @ 2400 MHz\nGeForce4\nx\n"
             << map << "?flybyexec -1024x768\ncolumns\n\n";
        for (int i = 0; i < dataLines; ++i) {
            file << "20.000000,1000,56\n";
        }
    }

  private:
    fs::path root_;
};

class RecordingObserver : public LoadObserver {
  public:
    void OnOperation(const std::string& text) override { operations.push_back(text); }
    void OnFile(const std::string& fullPath) override { files.push_back(fullPath); }
    void OnCompleted(int count) override { completed.push_back(count); }

    std::vector<std::string> operations;
    std::vector<std::string> files;
    std::vector<int> completed;
};

std::vector<std::string> MapNames(const ResultSet& results) {
    std::vector<std::string> names;
    for (const MapResult& record : results.Records()) {
        names.push_back(record.mapName);
    }
    return names;
}

ResultSettings WithMaxResults(int maxResults) {
    ResultSettings settings;
    settings.maxResults = maxResults;
    return settings;
}

// Twenty runs named as the game names them; every other name in lower case, so plain byte
// order would put all of those after the others.
std::vector<std::string> TwentyRunNames() {
    std::vector<std::string> names;
    for (int second = 0; second < 20; ++second) {
        names.push_back(Format(second % 2 == 0 ? "UT2003-Bench-2026-12-10-04-31-%02d.csv"
                                               : "ut2003-bench-2026-12-10-04-31-%02d.csv",
                               second));
    }
    return names;
}

TEST(ResultSet, LoadNewestReadsTheLastNamesNewestFirst) {
    TempGameFolder game;
    std::vector<std::string> names = TwentyRunNames();
    for (int second = 0; second < 20; ++second) {
        game.WriteCsv(names[static_cast<std::size_t>(second)], Format("map%02d", second));
    }
    game.WriteCsv("notes.txt", "not a result");

    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(game.path(), WithMaxResults(16), observer, prompt);

    ASSERT_EQ(results.Count(), 16);
    for (int record = 0; record < 16; ++record) {
        EXPECT_EQ(results.Record(record).mapName, Format("map%02d", 19 - record));
    }
    EXPECT_EQ(observer.operations,
              (std::vector<std::string>{"Searching for CSV files", "Parsing CSV files"}));
    ASSERT_EQ(observer.files.size(), 16u);
    EXPECT_EQ(observer.files.front(), CsvFilePath(game.path(), names[19]));
    EXPECT_EQ(observer.files.back(), CsvFilePath(game.path(), names[4]));
    EXPECT_EQ(observer.completed.back(), 16);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ResultSet, LoadNewestSortsTheNamesItIsGiven) {
    TempGameFolder game;
    // In list order: "run_b" < "run1" < "runa" < "run-a" ("_" before digits, digits before
    // letters, the hyphen only breaks the tie with "runa").
    const std::vector<std::string> listed = {"run-a.csv", "run1.csv", "RUNA.csv", "run_b.csv"};
    for (const std::string& name : listed) {
        game.WriteCsv(name, name.substr(0, name.size() - 4));
    }
    ResultSet results;
    SilentLoadObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(listed, game.path(), WithMaxResults(3), observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"run-a", "RUNA", "run1"}));

    results.LoadNewest(listed, game.path(), WithMaxResults(16), observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"run-a", "RUNA", "run1", "run_b"}));
}

TEST(ResultSet, LoadSelectedReadsExactlyTheGivenNamesInOrder) {
    TempGameFolder game;
    for (const char* map : {"a", "b", "c", "d"}) {
        game.WriteCsv(Format("%s.csv", map), map);
    }
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadSelected({"c.csv", "a.csv", "d.csv"}, game.path(), WithMaxResults(2), observer,
                         prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"c", "a", "d"}));
    EXPECT_EQ(observer.operations,
              (std::vector<std::string>{"Finding Files", "Parsing CSV files"}));
    EXPECT_EQ(observer.completed, (std::vector<int>{1, 2, 3}));
}

TEST(ResultSet, FileThatCannotBeOpenedIsReportedAndLeftOut) {
    TempGameFolder game;
    game.WriteCsv("a.csv", "a");
    game.WriteCsv("b.csv", "b");
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadSelected({"a.csv", "gone.csv", "b.csv"}, game.path(), {}, observer, prompt);

    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Can't open results");
    EXPECT_EQ(prompt.messages[0].caption, "!");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(observer.completed, (std::vector<int>{1, 1, 2}));

    // A listed name that vanished before the load is handled the same way.
    prompt.messages.clear();
    results.LoadNewest({"a.csv", "gone.csv"}, game.path(), {}, observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"a"}));
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST(ResultSet, LongestSeriesOnlyGrowsAcrossLoadsAndDiscard) {
    TempGameFolder game;
    game.WriteCsv("three.csv", "three", 100);  // points at subframes 30, 60, 90
    game.WriteCsv("one.csv", "one", 40);
    game.WriteCsv("six.csv", "six", 200);
    ResultSet results;
    SilentLoadObserver observer;
    RecordingPrompt prompt;

    results.LoadSelected({"three.csv"}, game.path(), {}, observer, prompt);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.Discard();
    EXPECT_EQ(results.Count(), 0);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.LoadSelected({"one.csv"}, game.path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 1);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.ResetCount();
    results.LoadNewest(game.path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 3);
    EXPECT_EQ(results.LongestSeries(), 6);
}

TEST(ResultSet, MissingOrEmptyFolderGivesAnEmptySetQuietly) {
    TempGameFolder game;
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(game.path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 0);
    results.LoadNewest(game.path() + "/no such game", {}, observer, prompt);
    EXPECT_EQ(results.Count(), 0);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(observer.files.empty());
}

TEST(ResultSet, ListsCsvFilesWhateverTheCaseOfTheirExtension) {
    TempGameFolder game;
    for (const char* name : {"a.csv", "B.CSV", "c.Csv", "notes.txt", "d.csv.bak", "csv"}) {
        game.WriteCsv(name, "x");
    }
    fs::create_directory(game.csvs() / "folder.csv");
    std::vector<std::string> names = ListCsvFiles(game.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.CSV", "a.csv", "c.Csv"}));
}

}  // namespace
}  // namespace tarvik
