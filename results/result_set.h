#pragma once
// The loaded results: the newest CSV files of the game's CSV folder (or the files the user
// picked), one MapResult each, record 0 first read.
#include <string>
#include <vector>

#include "base/prompt.h"
#include "results/map_result.h"

namespace tarvik {

// Where the game leaves its result files, as printf patterns over the game folder. Windows
// paths use backslashes; elsewhere (the native tests) the same layout uses slashes.
#ifdef _WIN32
constexpr const char* kCsvFolderPattern = "%s\\Benchmark\\CSVs";
constexpr const char* kCsvSearchPattern = "%s\\Benchmark\\CSVs\\*.csv";
constexpr const char* kCsvFilePattern = "%s\\Benchmark\\CSVs\\%s";
#else
constexpr const char* kCsvFolderPattern = "%s/Benchmark/CSVs";
constexpr const char* kCsvSearchPattern = "%s/Benchmark/CSVs/*.csv";
constexpr const char* kCsvFilePattern = "%s/Benchmark/CSVs/%s";
#endif

std::string CsvFolderPath(const std::string& gameFolder);
std::string CsvFilePath(const std::string& gameFolder, const std::string& name);

// What the progress dialog shows while a load runs.
constexpr const char* kSearchingOperation = "Searching for CSV files";
constexpr const char* kFindingOperation = "Finding Files";
constexpr const char* kParsingOperation = "Parsing CSV files";

constexpr const char* kCantOpenResultsMessage = "Can't open results";
constexpr const char* kCantOpenResultsCaption = "!";

class LoadObserver {
  public:
    virtual ~LoadObserver() = default;
    virtual void OnOperation(const std::string& text) = 0;
    virtual void OnFile(const std::string& fullPath) = 0;
    // After each file: the number of records filled so far.
    virtual void OnCompleted(int count) = 0;
};

class SilentLoadObserver final : public LoadObserver {
  public:
    void OnOperation(const std::string&) override {}
    void OnFile(const std::string&) override {}
    void OnCompleted(int) override {}
};

class ResultSet {
  public:
    int Count() const { return static_cast<int>(records_.size()); }
    // index must be below Count().
    const MapResult& Record(int index) const { return records_[static_cast<std::size_t>(index)]; }
    const std::vector<MapResult>& Records() const { return records_; }

    // The longest per-second series read since the set was made. It only grows, across loads
    // and Discard, because the line graph keeps its time axis at that extent.
    int LongestSeries() const { return longestSeries_; }

    // Appends one record as a load does.
    void Add(MapResult record);

    // Empties the set before a load, keeping its memory.
    void ResetCount() { records_.clear(); }
    // Frees every record; done whenever the results are no longer shown.
    void Discard() { std::vector<MapResult>().swap(records_); }

    // Sorts the listed names into list-box order and reads the last maxResults of them,
    // newest first: record 0 is the last name.
    void LoadNewest(std::vector<std::string> namesInFolder, const std::string& gameFolder,
                    const ResultSettings& settings, LoadObserver& observer, Prompt& prompt);
    // Reads exactly the given names, in the given order; maxResults does not apply.
    void LoadSelected(const std::vector<std::string>& names, const std::string& gameFolder,
                      const ResultSettings& settings, LoadObserver& observer, Prompt& prompt);

  private:
    // A file that cannot be opened is reported and left out of the set, so every record in it
    // is a real run.
    void ParseInOrder(const std::vector<std::string>& names, const std::string& gameFolder,
                      const ResultSettings& settings, LoadObserver& observer, Prompt& prompt);

    std::vector<MapResult> records_;
    int longestSeries_ = 0;
};

}  // namespace tarvik
