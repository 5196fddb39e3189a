#include "bench/standard_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "results/result_set.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/scripted_game_files.h"

namespace tarvik {
namespace {

constexpr const char* kGame = "C:\\Games\\UT2003";
constexpr const char* kAntalus = "C:\\Games\\UT2003\\Maps\\DM-Antalus.ut2";
constexpr const char* kAsbestos = "C:\\Games\\UT2003\\Maps\\DM-Asbestos.ut2";

// The game seen through the platform interface. Each run writes the next CSV ("run1.csv", ...)
// into the game's files unless told otherwise; every call is logged in order.
class FakePlatform : public StandardRunPlatform {
  public:
    ScriptedGameFiles* files = nullptr;
    bool monitorArms = true;
    bool iniWritable = true;
    std::set<int> runsThatCannotStart;  // 1-based
    std::set<int> runsWithoutResult;
    std::set<int> runsWithUnreadableResult;
    std::set<int> disturbedRuns;

    std::vector<std::string> calls;
    std::vector<std::string> commandLines;

    bool ArmMonitor(std::string* error) override {
        calls.push_back("arm");
        if (!monitorArms) {
            *error = "no hook";
        }
        return monitorArms;
    }
    void ReleaseMonitor() override { calls.push_back("release"); }
    bool WriteIniFiles(std::string* failedPath) override {
        calls.push_back("write ini");
        if (!iniWritable) {
            *failedPath = "C:\\Games\\UT2003\\Benchmark\\Stuff\\CustomMaxUser.ini";
        }
        return iniWritable;
    }
    void DiscardIniFiles() override { calls.push_back("discard ini"); }
    bool RunGame(const std::string& commandLine) override {
        const int run = static_cast<int>(commandLines.size()) + 1;
        commandLines.push_back(commandLine);
        calls.push_back("run " + std::to_string(run));
        if (runsThatCannotStart.count(run)) {
            return false;
        }
        if (!runsWithoutResult.count(run)) {
            const std::string name = "run" + std::to_string(run) + ".csv";
            files->csvNames.push_back(name);
            if (!runsWithUnreadableResult.count(run)) {
                files->checksums[CsvFilePath(kGame, name)] = 0x1000u + run;
            }
        }
        lastDisturbed_ = disturbedRuns.count(run) > 0;
        return true;
    }
    bool LastRunDisturbed() override { return lastDisturbed_; }

    int Runs() const { return static_cast<int>(commandLines.size()); }

  private:
    bool lastDisturbed_ = false;
};

class RecordingPages : public PageSwitcher {
  public:
    void ShowPage(int index) override { shown.push_back(index); }
    std::vector<int> shown;
};

class StandardRun : public ::testing::Test {
  protected:
    StandardRun() {
        state.gameFolder = kGame;
        state.settings = {16, 45, true};
        Reset();
    }
    // Untouched maps, no CSV file yet, nothing run or said.
    void Reset() {
        files = ScriptedGameFiles();
        files.checksums = {{kAntalus, kAntalusCrc}, {kAsbestos, kAsbestosCrc}};
        platform = FakePlatform();
        platform.files = &files;
        files.sharedLog = &platform.calls;
        prompt.messages.clear();
        pages.shown.clear();
    }
    StandardRunOutcome Run() { return RunStandardBenchmark(state, platform, files, prompt, pages); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : prompt.messages) {
            EXPECT_EQ(message.caption, "Tarvik !") << message.text;
            texts.push_back(message.text);
        }
        return texts;
    }

    AppState state;
    ScriptedGameFiles files;
    FakePlatform platform;
    RecordingPrompt prompt;
    RecordingPages pages;
};

TEST_F(StandardRun, FourRunsInOrderThenResultsWithTheirChecksums) {
    files.csvNames = {"older-a.csv", "older-b.csv"};
    EXPECT_EQ(Run(), StandardRunOutcome::Succeeded);

    const std::string exe = "\"C:\\Games\\UT2003\\System\\ut2003.exe\" ";
    const std::string inis =
        " -nosound ini=..\\Benchmark\\Stuff\\CustomMaxSystem.ini "
        "userini=..\\Benchmark\\Stuff\\CustomMaxUser.ini -UPT -1024x768";
    const std::string botmatch =
        "?spectatoronly=true?numbots=12?quickstart=true?attractcam=true "
        "-exec=..\\Benchmark\\Stuff\\"
        "botmatchexec.txt -benchmark -seconds=77";
    const std::vector<std::string> expectedLines = {
        exe +
            "dm-antalus?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
            "-benchmark -seconds=77" +
            inis,
        exe +
            "dm-asbestos?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
            "-benchmark -seconds=70" +
            inis,
        exe + "dm-antalus" + botmatch + inis,
        exe + "dm-asbestos" + botmatch + inis,
    };
    EXPECT_EQ(platform.commandLines, expectedLines);

    const std::string list = "list " + std::string(kGame);
    const std::vector<std::string> expectedCalls = {list,
                                                    "crc " + std::string(kAntalus),
                                                    "crc " + std::string(kAsbestos),
                                                    "arm",
                                                    "write ini",
                                                    "run 1",
                                                    list,
                                                    "crc " + CsvFilePath(kGame, "run1.csv"),
                                                    "run 2",
                                                    list,
                                                    "crc " + CsvFilePath(kGame, "run2.csv"),
                                                    "run 3",
                                                    list,
                                                    "crc " + CsvFilePath(kGame, "run3.csv"),
                                                    "run 4",
                                                    list,
                                                    "crc " + CsvFilePath(kGame, "run4.csv"),
                                                    "discard ini",
                                                    "release"};
    EXPECT_EQ(platform.calls, expectedCalls);

    const StandardRunHandOver& handOver = state.standardRun;
    EXPECT_TRUE(handOver.scorePending);
    EXPECT_EQ(handOver.previousNewestCsv, "older-b.csv");
    EXPECT_EQ(handOver.runCsvCrc, (std::array<std::uint32_t, 4>{0x1001, 0x1002, 0x1003, 0x1004}));
    EXPECT_EQ(state.settings.maxResults, 4);
    EXPECT_EQ(state.settings.startSubframe, 10);
    EXPECT_FALSE(state.settings.averageBySecond);
    EXPECT_EQ(pages.shown, std::vector<int>{kPageResults});
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(StandardRun, EmptyFolderIsRecordedAsNull) {
    EXPECT_EQ(Run(), StandardRunOutcome::Succeeded);
    EXPECT_EQ(state.standardRun.previousNewestCsv, "NULL");
}

TEST_F(StandardRun, UnreadableRunFileStoresAZeroChecksum) {
    platform.runsWithUnreadableResult = {2};
    EXPECT_EQ(Run(), StandardRunOutcome::Succeeded);
    EXPECT_EQ(state.standardRun.runCsvCrc,
              (std::array<std::uint32_t, 4>{0x1001, 0, 0x1003, 0x1004}));
    EXPECT_TRUE(state.standardRun.scorePending);
}

TEST_F(StandardRun, DemoIsRefusedBeforeAnythingIsLookedAt) {
    state.isDemo = true;
    EXPECT_EQ(Run(), StandardRunOutcome::RefusedDemo);
    EXPECT_EQ(Messages(), std::vector<std::string>{"You cannot run this with the demo version, "
                                                   "please go to the standard or custom tab."});
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(state.settings.maxResults, 16);
}

TEST_F(StandardRun, ModifiedOrMissingMapsStopBeforeTheMonitor) {
    struct Case {
        const char* name;
        const char* map;
        std::optional<std::uint32_t> crc;  // nullopt: the file cannot be read
        const char* message;
        std::size_t checksBeforeStop;
    };
    const Case cases[] = {
        {"antalus changed", kAntalus, 0x12345678,
         "DM-Antalus has been modified, the benchmark cannot continue.", 1},
        {"antalus missing", kAntalus, std::nullopt,
         "DM-Antalus has been modified, the benchmark cannot continue.", 1},
        {"asbestos changed", kAsbestos, kAntalusCrc,
         "DM-Asbestos has been modified, the benchmark cannot continue.", 2},
        {"asbestos missing", kAsbestos, std::nullopt,
         "DM-Asbestos has been modified, the benchmark cannot continue.", 2},
    };
    for (const Case& c : cases) {
        Reset();
        state.settings.maxResults = 16;
        if (c.crc) {
            files.checksums[c.map] = *c.crc;
        } else {
            files.checksums.erase(c.map);
        }
        EXPECT_EQ(Run(), StandardRunOutcome::MapModified) << c.name;
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.name;
        // The folder is listed first, then the maps are read up to the one that differs.
        ASSERT_EQ(platform.calls.size(), 1 + c.checksBeforeStop) << c.name;
        EXPECT_EQ(platform.calls.back(), "crc " + std::string(c.map)) << c.name;
        EXPECT_EQ(state.settings.maxResults, 4) << c.name;
        EXPECT_FALSE(state.standardRun.scorePending) << c.name;
        EXPECT_EQ(platform.Runs(), 0) << c.name;
    }
}

TEST_F(StandardRun, FailedRunEndsTheSequenceCleansUpAndShowsTheFailure) {
    struct Case {
        const char* name;
        std::set<int> cannotStart, withoutResult, disturbed;
        int runsMade;
    };
    const Case cases[] = {
        {"game cannot start at run 2", {2}, {}, {}, 2},
        {"run 2 writes no result beside older files", {}, {2}, {}, 2},
        {"run 3 flagged by the monitor", {}, {}, {3}, 3},
        {"first run writes no result", {}, {1}, {}, 1},
    };
    for (const Case& c : cases) {
        Reset();
        files.csvNames = {"older.csv"};
        platform.runsThatCannotStart = c.cannotStart;
        platform.runsWithoutResult = c.withoutResult;
        platform.disturbedRuns = c.disturbed;

        EXPECT_EQ(Run(), StandardRunOutcome::Failed) << c.name;
        EXPECT_EQ(platform.Runs(), c.runsMade) << c.name;
        EXPECT_EQ(Messages(), std::vector<std::string>{kStandardRunFailedMessage}) << c.name;
        EXPECT_FALSE(state.standardRun.scorePending) << c.name;
        EXPECT_TRUE(pages.shown.empty()) << c.name;
        ASSERT_GE(platform.calls.size(), 2u);
        EXPECT_EQ(platform.calls[platform.calls.size() - 2], "discard ini") << c.name;
        EXPECT_EQ(platform.calls.back(), "release") << c.name;
        // Files of the runs already made are kept.
        EXPECT_EQ(files.csvNames.front(), "older.csv") << c.name;
    }
}

TEST_F(StandardRun, MonitorThatCannotBeArmedStopsBeforeAnyRun) {
    platform.monitorArms = false;
    EXPECT_EQ(Run(), StandardRunOutcome::MonitorUnavailable);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("no hook"), std::string::npos);
    EXPECT_EQ(platform.Runs(), 0);
    EXPECT_FALSE(state.standardRun.scorePending);
}

TEST_F(StandardRun, UnwritableIniFileIsNamedAndNothingRuns) {
    platform.iniWritable = false;
    EXPECT_EQ(Run(), StandardRunOutcome::IniFilesUnwritable);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Can't write C:\\Games\\UT2003\\Benchmark\\Stuff\\"
                                       "CustomMaxUser.ini, the benchmark cannot continue."});
    EXPECT_EQ(platform.Runs(), 0);
    EXPECT_FALSE(state.standardRun.scorePending);
    EXPECT_EQ(platform.calls.back(), "release");
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "discard ini");
}

}  // namespace
}  // namespace tarvik
