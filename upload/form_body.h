#pragma once
// The form that "Online Results" posts: the machine, the score and the four map results of a
// standard run, sent as one line without percent-encoding.
#include <cstdint>
#include <string>
#include <vector>

#include "results/map_result.h"
#include "upload/score.h"

namespace tarvik {

// What the upload says about the machine beside the records themselves.
struct UploadMachine {
    std::string gameVersionField;  // "ver=" and the game version
    std::string processorName;     // identified when the upload starts
    std::uint64_t totalMemoryBytes = 0;
    std::string osName;  // as GetOsName gives it
};

// The server's check value, multiplied and divided strictly left to right so that both sides
// round alike. records must hold at least kStandardRunRecords entries.
double VerifyValue(const StandardScore& score, const std::vector<MapResult>& records);

// The whole body. records must hold at least kStandardRunRecords entries; the clock and the
// video card line come from record 0.
std::string UploadFormBody(const UploadMachine& machine, const std::vector<MapResult>& records);

}  // namespace tarvik
