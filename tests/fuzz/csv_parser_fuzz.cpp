// Any bytes as a CSV file: parsing never fails, every rate is a real number and every text
// keeps its capacity. The first line's field must also read exactly as strtod reads it.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "base/format.h"
#include "results/csv_parser.h"

namespace {

using tarvik::MapResult;
using tarvik::ResultSettings;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void CheckRecord(const MapResult& record) {
    for (const double rate : {record.lowFps, record.avgFps, record.highFps}) {
        Check(std::isfinite(rate), "finite rates");
    }
    Check(record.perSecondCount == static_cast<int>(record.perSecondFps.size()),
          "perSecondCount matches the series");
    for (const float point : record.perSecondFps) {
        Check(std::isfinite(point), "finite points");
    }
    for (const std::string* header :
         {&record.header1, &record.header2, &record.header3, &record.header4}) {
        Check(header->size() <= tarvik::kHeaderMaxChars, "header capacity");
        Check(header->find('\n') == std::string::npos, "one line per header");
        Check(header->find('\0') == std::string::npos, "no NUL in a header");
    }
    Check(record.mapName.size() <= tarvik::kMapNameMaxChars, "map name capacity");
    Check(record.mode == "flyby" || record.mode == "botmatch", "mode");
    Check(record.resolution.size() <= tarvik::kResolutionMaxChars, "resolution capacity");
    Check(record.summary.size() <= tarvik::kSummaryMaxChars, "summary capacity");
    const std::string full =
        tarvik::Format("%f / %f / %f", record.lowFps, record.avgFps, record.highFps);
    Check(full.compare(0, record.summary.size(), record.summary) == 0, "summary shows the rates");
}

bool SameRecord(const MapResult& a, const MapResult& b) {
    return a.header1 == b.header1 && a.header2 == b.header2 && a.header3 == b.header3 &&
           a.header4 == b.header4 && a.cpuMhz == b.cpuMhz && a.mapName == b.mapName &&
           a.mode == b.mode && a.resolution == b.resolution && a.summary == b.summary &&
           a.perSecondFps == b.perSecondFps;
}

// The first line's first field against the C library.
void CheckAgainstStrtod(std::string_view text) {
    const std::string_view line = text.substr(0, text.find('\n'));
    std::string field(line.substr(0, std::min(line.find(','), tarvik::kFirstFieldMaxChars)));
    errno = 0;
    const double expected = std::strtod(field.c_str(), nullptr);
    if (errno == ERANGE) {
        return;  // underflow and overflow: no frame time either way
    }
    const double read = tarvik::ReadFirstField(line);
    Check(read == (std::isfinite(expected) ? expected : 0.0), "first field reads as strtod");
}

// The file each input is written to, removed when the fuzzer ends.
class TempCsv {
  public:
    TempCsv()
        : path_((std::filesystem::temp_directory_path() /
                 tarvik::Format("tarvik-csv-fuzz-%08x.csv",
                                static_cast<unsigned>(std::random_device()())))
                    .string()) {}
    ~TempCsv() { std::remove(path_.c_str()); }
    TempCsv(const TempCsv&) = delete;
    TempCsv& operator=(const TempCsv&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

const std::string& TempPath() {
    static const TempCsv file;
    return file.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckAgainstStrtod(text);

    // A fresh file each time: rewriting a truncated one makes some file systems flush it.
    std::remove(TempPath().c_str());
    std::FILE* file = std::fopen(TempPath().c_str(), "wb");
    Check(file != nullptr, "temp file");
    Check(size == 0 || std::fwrite(data, 1, size, file) == size, "temp file written");
    std::fclose(file);

    ResultSettings settings[4];
    settings[1].startSubframe = 1;
    settings[1].averageBySecond = true;
    settings[2].startSubframe = 45;
    settings[3].startSubframe = 100;
    settings[3].averageBySecond = true;

    const std::optional<MapResult> fromFile = tarvik::ParseCsv(TempPath(), settings[0]);
    Check(fromFile.has_value(), "a written file parses");
    CheckRecord(*fromFile);
    Check(SameRecord(*fromFile, tarvik::ParseCsvText(text, settings[0])), "file reads as text");
    for (const ResultSettings& other : settings) {
        CheckRecord(tarvik::ParseCsvText(text, other));
    }
    return 0;
}
