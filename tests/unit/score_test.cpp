#include "upload/score.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {
namespace {

MapResult Record(double avgFps, int perSecondCount = 0) {
    MapResult record;
    record.avgFps = avgFps;
    record.perSecondCount = perSecondCount;
    return record;
}

TEST(Score, IsTheSumOfTheTwoModeAverages) {
    // Records 0 and 1 are the botmatch runs, 2 and 3 the flyby runs.
    const std::vector<MapResult> records = {Record(40.0), Record(60.0), Record(50.0),
                                            Record(101.0)};
    const StandardScore score = ScoreOf(records);
    EXPECT_DOUBLE_EQ(score.botmatch, 50.0);
    EXPECT_DOUBLE_EQ(score.flyby, 75.5);
    EXPECT_DOUBLE_EQ(score.score, 125.5);
}

TEST(Score, TextKeepsTwoDecimalsCutNotRounded) {
    const struct {
        double score;
        const char* text;
    } cases[] = {
        {100.009999, "100.00"}, {123.456789, "123.45"}, {0.0, "0.00"},
        {99.999999, "99.99"},   {1234.5, "1234.50"},    {-2.5, "-2.50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScoreText(c.score), c.text) << c.score;
    }
}

TEST(Score, MessagesAreNumberedByTheirCheck) {
    for (int check = 1; check <= 4; ++check) {
        const std::string message = InvalidResultsMessage(check);
        EXPECT_EQ(message.substr(0, 3), "(" + std::to_string(check) + ")");
        EXPECT_EQ(message.substr(3),
                  "Invalid results, possibly the benchmark did not complete, if you continue to "
                  "experience this please use the settings tab to clear your csv files.");
    }
    EXPECT_STREQ(InvalidResultsMessage(0), "");
    EXPECT_STREQ(InvalidResultsMessage(5), "");
}

// A folder's checksums; names missing from the map cannot be read.
struct Folder {
    std::map<std::string, std::uint32_t> crcs;
    CsvChecksum Checksum() const {
        return [this](const std::string& name) -> std::optional<std::uint32_t> {
            const auto found = crcs.find(name);
            if (found == crcs.end()) {
                return std::nullopt;
            }
            return found->second;
        };
    }
};

// Two older files, then the four of the run whose checksums were 11, 12, 13, 14.
RunValidityInputs GoodRun() {
    RunValidityInputs inputs;
    inputs.csvNames = {"UT2003-2026.12.10-05.00.13.csv", "UT2003-2026.12.10-05.00.11.csv",
                       "UT2003-2026.12.09-20.00.00.csv", "UT2003-2026.12.10-05.00.12.csv",
                       "UT2003-2026.12.08-20.00.00.csv", "UT2003-2026.12.10-05.00.14.csv"};
    inputs.previousNewestCsv = "UT2003-2026.12.09-20.00.00.csv";
    inputs.perSecondCounts = {70, 71, 80, 80};
    inputs.runCsvCrc = {11, 12, 13, 14};
    return inputs;
}

Folder GoodFolder() {
    return Folder{{{"UT2003-2026.12.08-20.00.00.csv", 1},
                   {"UT2003-2026.12.09-20.00.00.csv", 2},
                   {"UT2003-2026.12.10-05.00.11.csv", 11},
                   {"UT2003-2026.12.10-05.00.12.csv", 12},
                   {"UT2003-2026.12.10-05.00.13.csv", 13},
                   {"UT2003-2026.12.10-05.00.14.csv", 14}}};
}

TEST(ValidityChecks, EachCheckFailsOnItsOwn) {
    const struct {
        const char* what;
        void (*spoil)(RunValidityInputs&, Folder&);
        int failedCheck;
    } cases[] = {
        {"untouched run", [](RunValidityInputs&, Folder&) {}, 0},
        {"a new folder with exactly the run's four files",
         [](RunValidityInputs& in, Folder&) {
             in.csvNames.erase(in.csvNames.begin() + 4);
             in.csvNames.erase(in.csvNames.begin() + 2);
             in.previousNewestCsv = "NULL";
         },
         0},
        {"three files",
         [](RunValidityInputs& in, Folder&) {
             in.csvNames = {"a.csv", "b.csv", "c.csv"};
             in.previousNewestCsv = "NULL";
         },
         1},
        {"no files", [](RunValidityInputs& in, Folder&) { in.csvNames.clear(); }, 1},
        {"four files but an older one was there before",
         [](RunValidityInputs& in, Folder&) {
             in.csvNames = {"b.csv", "c.csv", "d.csv", "e.csv"};
         },
         2},
        {"an older file sorting after the new ones",
         [](RunValidityInputs& in, Folder& folder) {
             in.csvNames.push_back("zz-old.csv");
             folder.crcs["zz-old.csv"] = 99;
         },
         2},
        {"a fifth new file",
         [](RunValidityInputs& in, Folder&) {
             in.csvNames.push_back("UT2003-2026.12.10-05.00.15.csv");
         },
         2},
        {"predecessor differs only by case",
         [](RunValidityInputs& in, Folder&) {
             in.previousNewestCsv = "ut2003-2026.12.09-20.00.00.csv";
         },
         2},
        {"300 points", [](RunValidityInputs& in, Folder&) { in.perSecondCounts[3] = 79; }, 3},
        {"302 points", [](RunValidityInputs& in, Folder&) { in.perSecondCounts[0] = 71; }, 3},
        {"three records loaded",
         [](RunValidityInputs& in, Folder&) {
             in.perSecondCounts = {101, 100, 100};
         },
         3},
        {"points past record 3 are not counted",
         [](RunValidityInputs& in, Folder&) { in.perSecondCounts.push_back(5); }, 0},
        {"an edited file",
         [](RunValidityInputs&, Folder& folder) {
             folder.crcs["UT2003-2026.12.10-05.00.12.csv"] = 0xDEADBEEF;
         },
         4},
        {"an unreadable file",
         [](RunValidityInputs&, Folder& folder) {
             folder.crcs.erase("UT2003-2026.12.10-05.00.14.csv");
         },
         4},
        {"checksums held against the wrong runs",
         [](RunValidityInputs& in, Folder&) {
             in.runCsvCrc = {14, 13, 12, 11};
         },
         4},
    };
    for (const auto& c : cases) {
        RunValidityInputs inputs = GoodRun();
        Folder folder = GoodFolder();
        c.spoil(inputs, folder);
        EXPECT_EQ(FailedValidityCheck(inputs, folder.Checksum()), c.failedCheck) << c.what;
    }
}

TEST(ValidityChecks, StopAtTheFirstFailureWithoutReadingFiles) {
    RunValidityInputs inputs = GoodRun();
    inputs.perSecondCounts = {1, 2, 3, 4};
    int reads = 0;
    const CsvChecksum counting = [&reads](const std::string&) -> std::optional<std::uint32_t> {
        ++reads;
        return 0u;
    };
    EXPECT_EQ(FailedValidityCheck(inputs, counting), 3);
    EXPECT_EQ(reads, 0);
}

TEST(ValidityChecks, ReadTheLastFourFilesFromTheOldestOn) {
    std::vector<std::string> read;
    const CsvChecksum recording = [&read](const std::string& name) -> std::optional<std::uint32_t> {
        read.push_back(name);
        return std::nullopt;
    };
    EXPECT_EQ(FailedValidityCheck(GoodRun(), recording), 4);
    EXPECT_EQ(read, std::vector<std::string>{"UT2003-2026.12.10-05.00.11.csv"});

    read.clear();
    Folder folder = GoodFolder();
    const CsvChecksum allRead = [&](const std::string& name) {
        read.push_back(name);
        return folder.Checksum()(name);
    };
    EXPECT_EQ(FailedValidityCheck(GoodRun(), allRead), 0);
    EXPECT_EQ(read, (std::vector<std::string>{
                        "UT2003-2026.12.10-05.00.11.csv", "UT2003-2026.12.10-05.00.12.csv",
                        "UT2003-2026.12.10-05.00.13.csv", "UT2003-2026.12.10-05.00.14.csv"}));
}

}  // namespace
}  // namespace tarvik
