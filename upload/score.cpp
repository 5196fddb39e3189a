#include "upload/score.h"

#include <cstddef>

#include "base/format.h"
#include "results/list_order.h"

namespace tarvik {

namespace {
constexpr const char* kNoPreviousCsv = "NULL";
// "%f" always prints six decimals; the shown score keeps two.
constexpr std::size_t kCutDecimals = 4;
}  // namespace

StandardScore ScoreOf(const std::vector<MapResult>& records) {
    StandardScore result;
    result.botmatch = (records[0].avgFps + records[1].avgFps) * 0.5;
    result.flyby = (records[2].avgFps + records[3].avgFps) * 0.5;
    result.score = result.botmatch + result.flyby;
    return result;
}

std::string ScoreText(double score) {
    std::string text = Format("%f", score);
    if (text.size() > kCutDecimals) {
        text.resize(text.size() - kCutDecimals);
    }
    return text;
}

const char* InvalidResultsMessage(int failedCheck) {
    if (failedCheck < 1 || failedCheck > static_cast<int>(kInvalidResultsMessages.size())) {
        return "";
    }
    return kInvalidResultsMessages[static_cast<std::size_t>(failedCheck - 1)];
}

int FailedValidityCheck(const RunValidityInputs& inputs, const CsvChecksum& checksum) {
    std::vector<std::string> names = inputs.csvNames;
    SortListOrder(names);
    const std::size_t n = names.size();
    if (n < kStandardRunRecords) {
        return 1;
    }
    const std::string expectedPredecessor =
        n == kStandardRunRecords ? kNoPreviousCsv : names[n - kStandardRunRecords - 1];
    if (expectedPredecessor != inputs.previousNewestCsv) {
        return 2;
    }
    if (inputs.perSecondCounts.size() < kStandardRunRecords) {
        return 3;
    }
    long long points = 0;
    for (std::size_t i = 0; i < kStandardRunRecords; ++i) {
        points += inputs.perSecondCounts[i];
    }
    if (points != kStandardRunPoints) {
        return 3;
    }
    // The fourth-last file was written by the first run, the last file by the fourth.
    for (std::size_t k = kStandardRunRecords; k >= 1; --k) {
        const std::optional<std::uint32_t> crc = checksum(names[n - k]);
        if (!crc || *crc != inputs.runCsvCrc[kStandardRunRecords - k]) {
            return 4;
        }
    }
    return 0;
}

}  // namespace tarvik
