#include "results/result_set.h"

#include <algorithm>

#include "base/format.h"
#include "results/csv_parser.h"
#include "results/list_order.h"

namespace tarvik {

std::string CsvFolderPath(const std::string& gameFolder) {
    return Format(kCsvFolderPattern, gameFolder.c_str());
}

std::string CsvFilePath(const std::string& gameFolder, const std::string& name) {
    return Format(kCsvFilePattern, gameFolder.c_str(), name.c_str());
}

void ResultSet::Add(MapResult record) {
    longestSeries_ = std::max(longestSeries_, record.perSecondCount);
    records_.push_back(std::move(record));
}

void ResultSet::LoadNewest(std::vector<std::string> namesInFolder, const std::string& gameFolder,
                           const ResultSettings& settings, LoadObserver& observer, Prompt& prompt) {
    SortListOrder(namesInFolder);
    const std::size_t limit =
        std::min(namesInFolder.size(), static_cast<std::size_t>(std::max(settings.maxResults, 0)));
    // Newest first: the last name in list order becomes record 0.
    std::vector<std::string> newestFirst(namesInFolder.rbegin(),
                                         namesInFolder.rbegin() + static_cast<long>(limit));
    ParseInOrder(newestFirst, gameFolder, settings, observer, prompt);
}

void ResultSet::LoadSelected(const std::vector<std::string>& names, const std::string& gameFolder,
                             const ResultSettings& settings, LoadObserver& observer,
                             Prompt& prompt) {
    observer.OnOperation(kFindingOperation);
    ParseInOrder(names, gameFolder, settings, observer, prompt);
}

void ResultSet::ParseInOrder(const std::vector<std::string>& names, const std::string& gameFolder,
                             const ResultSettings& settings, LoadObserver& observer,
                             Prompt& prompt) {
    ResetCount();
    records_.reserve(names.size());
    observer.OnOperation(kParsingOperation);
    CsvReader reader;
    for (const std::string& name : names) {
        const std::string path = CsvFilePath(gameFolder, name);
        observer.OnFile(path);
        std::optional<MapResult> record = reader.Parse(path, settings);
        if (record) {
            Add(std::move(*record));
        } else {
            prompt.Show(kCantOpenResultsMessage, kCantOpenResultsCaption, PromptButtons::Ok);
        }
        observer.OnCompleted(Count());
    }
}

}  // namespace tarvik
