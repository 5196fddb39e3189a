#include "results/win32/game_files.h"

#include <windows.h>

#include "base/format.h"
#include "base/win32/handles.h"
#include "results/result_set.h"

namespace tarvik {

WindowsGameFiles::WindowsGameFiles() {
    crc_.BuildTable();
}

std::vector<std::string> WindowsGameFiles::ListCsvNames(const std::string& gameFolder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    const std::string pattern = Format(kCsvSearchPattern, gameFolder.c_str());
    FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        // The pattern also matches short names, so "run.csvx" can come back for "*.csv".
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            HasCsvExtension(entry.cFileName)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileA(find.Get(), &entry));
    return names;
}

std::optional<std::uint32_t> WindowsGameFiles::FileChecksum(const std::string& path) {
    std::uint32_t checksum = 0;
    if (crc_.FileCrc32(path, checksum) != 0) {
        return std::nullopt;
    }
    return checksum;
}

}  // namespace tarvik
