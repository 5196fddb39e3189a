#include "results/win32/csv_folder.h"

#include <windows.h>

#include "base/format.h"
#include "base/win32/handles.h"

namespace tarvik {

std::vector<std::string> ListCsvFileNames(const std::string& gameFolder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    const std::string pattern = Format("%s\\Benchmark\\CSVs\\*.csv", gameFolder.c_str());
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileA(find.Get(), &entry));
    return names;
}

}  // namespace tarvik
