#pragma once
// The score of a standard run and the checks that its four result files are the untouched
// output of that run.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "results/map_result.h"

namespace tarvik {

// A standard run leaves four records: 0 and 1 its botmatch runs, 2 and 3 its flyby runs.
constexpr int kStandardRunRecords = 4;
// Per-second points that the four runs of a standard run add up to.
constexpr int kStandardRunPoints = 301;

struct StandardScore {
    double botmatch = 0.0;
    double flyby = 0.0;
    double score = 0.0;  // the sum of the two mode averages, not their mean
};

// records must hold at least kStandardRunRecords entries.
StandardScore ScoreOf(const std::vector<MapResult>& records);

// "%f" with its last four characters cut off: two decimals, truncated rather than rounded.
std::string ScoreText(double score);

constexpr const char* kInvalidResultsCaption = "!";
constexpr std::array<const char*, 4> kInvalidResultsMessages = {
    "(1)Invalid results, possibly the benchmark did not complete, if you continue to experience "
    "this please use the settings tab to clear your csv files.",
    "(2)Invalid results, possibly the benchmark did not complete, if you continue to experience "
    "this please use the settings tab to clear your csv files.",
    "(3)Invalid results, possibly the benchmark did not complete, if you continue to experience "
    "this please use the settings tab to clear your csv files.",
    "(4)Invalid results, possibly the benchmark did not complete, if you continue to experience "
    "this please use the settings tab to clear your csv files.",
};

// The message of a failed check, 1 to 4.
const char* InvalidResultsMessage(int failedCheck);

// CRC-32 of the named CSV file, or nullopt when it cannot be read.
using CsvChecksum = std::function<std::optional<std::uint32_t>(const std::string& name)>;

struct RunValidityInputs {
    std::vector<std::string> csvNames;  // the CSV folder, in any order
    std::string previousNewestCsv;      // "NULL" when the folder was empty before the run
    std::vector<int> perSecondCounts;   // of the loaded records, record 0 first
    std::array<std::uint32_t, 4> runCsvCrc{};
};

// Runs the four checks in order and returns the number of the first that fails, or 0 when the
// results may be scored. Check 1: at least four files; 2: the file before the last four is the
// one that was newest before the run; 3: the four records hold 301 points (fewer than four
// records fail here); 4: the last four files still have the checksums taken after each run (a
// file that cannot be read counts as changed). checksum is only called for check 4.
int FailedValidityCheck(const RunValidityInputs& inputs, const CsvChecksum& checksum);

}  // namespace tarvik
