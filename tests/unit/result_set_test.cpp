#include "results/result_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/format.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

// A run on `map` with `subframes` lines of 20 ms.
CsvRun RunOn(const std::string& map, int subframes = 100) {
    CsvRun run;
    run.map = map;
    run.frameTimesMs = SteadyFrames(subframes, 20.0);
    return run;
}

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
        game.WriteCsv(names[static_cast<std::size_t>(second)], RunOn(Format("map%02d", second)));
    }
    game.WriteCsv("notes.txt", "not a result");

    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(CsvNamesOnDisk(game.Path()), game.Path(), WithMaxResults(16), observer,
                       prompt);

    ASSERT_EQ(results.Count(), 16);
    for (int record = 0; record < 16; ++record) {
        EXPECT_EQ(results.Record(record).mapName, Format("map%02d", 19 - record));
    }
    EXPECT_EQ(observer.operations, (std::vector<std::string>{"Parsing CSV files"}));
    ASSERT_EQ(observer.files.size(), 16u);
    EXPECT_EQ(observer.files.front(), CsvFilePath(game.Path(), names[19]));
    EXPECT_EQ(observer.files.back(), CsvFilePath(game.Path(), names[4]));
    EXPECT_EQ(observer.completed.back(), 16);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ResultSet, LoadNewestSortsTheNamesItIsGiven) {
    TempGameFolder game;
    // In list order: "run_b" < "run1" < "runa" < "run-a" ("_" before digits, digits before
    // letters, the hyphen only breaks the tie with "runa").
    const std::vector<std::string> listed = {"run-a.csv", "run1.csv", "RUNA.csv", "run_b.csv"};
    for (const std::string& name : listed) {
        game.WriteCsv(name, RunOn(name.substr(0, name.size() - 4)));
    }
    ResultSet results;
    SilentLoadObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(listed, game.Path(), WithMaxResults(3), observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"run-a", "RUNA", "run1"}));

    results.LoadNewest(listed, game.Path(), WithMaxResults(16), observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"run-a", "RUNA", "run1", "run_b"}));
}

TEST(ResultSet, LoadSelectedReadsExactlyTheGivenNamesInOrder) {
    TempGameFolder game;
    for (const char* map : {"a", "b", "c", "d"}) {
        game.WriteCsv(Format("%s.csv", map), RunOn(map));
    }
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadSelected({"c.csv", "a.csv", "d.csv"}, game.Path(), WithMaxResults(2), observer,
                         prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"c", "a", "d"}));
    EXPECT_EQ(observer.operations,
              (std::vector<std::string>{"Finding Files", "Parsing CSV files"}));
    EXPECT_EQ(observer.completed, (std::vector<int>{1, 2, 3}));
}

TEST(ResultSet, FileThatCannotBeOpenedIsReportedAndLeftOut) {
    TempGameFolder game;
    game.WriteCsv("a.csv", RunOn("a"));
    game.WriteCsv("b.csv", RunOn("b"));
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadSelected({"a.csv", "gone.csv", "b.csv"}, game.Path(), {}, observer, prompt);

    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Can't open results");
    EXPECT_EQ(prompt.messages[0].caption, "!");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(observer.completed, (std::vector<int>{1, 1, 2}));

    // A listed name that vanished before the load is handled the same way.
    prompt.messages.clear();
    results.LoadNewest({"a.csv", "gone.csv"}, game.Path(), {}, observer, prompt);
    EXPECT_EQ(MapNames(results), (std::vector<std::string>{"a"}));
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST(ResultSet, LongestSeriesOnlyGrowsAcrossLoadsAndDiscard) {
    TempGameFolder game;
    game.WriteCsv("three.csv", RunOn("three", 100));  // points at subframes 30, 60, 90
    game.WriteCsv("one.csv", RunOn("one", 40));
    game.WriteCsv("six.csv", RunOn("six", 200));
    ResultSet results;
    SilentLoadObserver observer;
    RecordingPrompt prompt;

    results.LoadSelected({"three.csv"}, game.Path(), {}, observer, prompt);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.Discard();
    EXPECT_EQ(results.Count(), 0);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.LoadSelected({"one.csv"}, game.Path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 1);
    EXPECT_EQ(results.LongestSeries(), 3);
    results.ResetCount();
    results.LoadNewest(CsvNamesOnDisk(game.Path()), game.Path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 3);
    EXPECT_EQ(results.LongestSeries(), 6);
}

TEST(ResultSet, MissingOrEmptyFolderGivesAnEmptySetQuietly) {
    TempGameFolder game;
    ResultSet results;
    RecordingObserver observer;
    RecordingPrompt prompt;
    results.LoadNewest(CsvNamesOnDisk(game.Path()), game.Path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 0);
    results.LoadNewest(CsvNamesOnDisk(game.Path() + "/no such game"), game.Path(), {}, observer,
                       prompt);
    EXPECT_EQ(results.Count(), 0);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(observer.files.empty());

    // Nothing listed also empties what an earlier load left.
    game.WriteCsv("a.csv", RunOn("a"));
    results.LoadSelected({"a.csv"}, game.Path(), {}, observer, prompt);
    ASSERT_EQ(results.Count(), 1);
    results.LoadNewest({}, game.Path(), {}, observer, prompt);
    EXPECT_EQ(results.Count(), 0);
}

}  // namespace
}  // namespace tarvik
