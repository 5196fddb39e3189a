#include "tests/e2e/harness/game_traces.h"

#include <windows.h>

#include <algorithm>

#include "base/win32/handles.h"
#include "tests/e2e/harness/paths.h"

namespace tarvik::e2e {

std::string GameCommandLogPath(const std::string& gameFolder) {
    return JoinPath(gameFolder, "System\\ut2003sim.log");
}

std::vector<std::string> GameCommandLog(const std::string& gameFolder) {
    const std::string text = ReadWholeFile(GameCommandLogPath(gameFolder));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string ResultFolder(const std::string& gameFolder) {
    return JoinPath(gameFolder, "Benchmark\\CSVs");
}

std::vector<std::string> ResultFileNames(const std::string& gameFolder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    const FindHandle search(
        FindFirstFileA(JoinPath(ResultFolder(gameFolder), "*.csv").c_str(), &found));
    if (!search) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search.Get(), &found));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return _stricmp(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

}  // namespace tarvik::e2e
