#pragma once
// Reads the CSV file that one benchmark run of the game leaves behind into a MapResult.
//
// Layout: four header lines, a skipped line, the run line ("<map>?<options>"), two skipped
// lines, then one line per subframe (a thirtieth of a second) whose first field is the frame
// time in milliseconds. Each line is read whole and only its first characters are kept, so an
// over-long line never spills into the lines after it. LF ends a line; CR LF counts as one end.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "results/leading_number.h"
#include "results/map_result.h"

namespace tarvik {

// What is kept of the lines that are not stored whole.
constexpr std::size_t kRunOptionsMaxChars = 498;

// The subframes of one per-second point.
constexpr int kSubframesPerSecond = 30;

// Parses the text of one CSV file. Never fails: missing lines read as empty texts and zeros.
// Whatever cannot be computed (nothing counted, no positive frame time, no per-second point
// when averaging by second) gives rates of 0, so every record prints and compares cleanly.
MapResult ParseCsvText(std::string_view text, const ResultSettings& settings);

// Reads one file whole and parses it; nullopt when it cannot be opened or read.
std::optional<MapResult> ParseCsv(const std::string& path, const ResultSettings& settings);

// Parses files one after another through one buffer, so that a load of many files reads each
// with a single call and allocates once.
class CsvReader {
  public:
    std::optional<MapResult> Parse(const std::string& path, const ResultSettings& settings);

  private:
    bool ReadWholeFile(const std::string& path);
    bool Reserve(std::size_t capacity);

    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t length_ = 0;
};

// The processor clock that the third header line ends with ("... @ 2400 MHz" gives 2400): the
// text between the first blank after the first "@" and the last blank before the last "MHz",
// trimmed, read as a leading integer. 0 when any of these pieces is missing.
int CpuMhzFromHeader(std::string_view header3);

}  // namespace tarvik
