#include "results/results_text.h"

#include <cstdlib>
#include <string_view>

#include "base/format.h"

namespace tarvik {
namespace {

// The processor name without its clock; a header without "@" has none.
std::string_view ProcessorWithoutClock(std::string_view header3) {
    const std::size_t at = header3.rfind('@');
    return at == std::string_view::npos ? std::string_view() : header3.substr(0, at);
}

void AddSystemBlock(const MapResult& record, std::vector<std::string>& lines) {
    lines.emplace_back("**** System Info ****");
    lines.push_back(record.header1);
    lines.push_back(record.header2);
    lines.push_back(record.header3);
    lines.push_back(record.header4);
    lines.emplace_back();
}

}  // namespace

bool SameMachine(const MapResult& a, const MapResult& b) {
    const long long clockSpread =
        std::llabs(static_cast<long long>(a.cpuMhz) - static_cast<long long>(b.cpuMhz));
    return a.header1 == b.header1 && a.header2 == b.header2 &&
           ProcessorWithoutClock(a.header3) == ProcessorWithoutClock(b.header3) &&
           clockSpread <= kSameMachineClockSpreadMhz && a.header4 == b.header4;
}

std::vector<std::string> ResultsListLines(const ResultSet& results) {
    std::vector<std::string> lines;
    const auto& records = results.Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const MapResult& record = records[i];
        if (i == 0 || !SameMachine(records[i - 1], record)) {
            AddSystemBlock(record, lines);
        }
        lines.emplace_back("**** Map results ****");
        lines.push_back(Format("%s    %s    %s", record.mapName.c_str(), record.mode.c_str(),
                               record.resolution.c_str()));
        lines.push_back(record.summary);
        lines.emplace_back();
    }
    return lines;
}

}  // namespace tarvik
