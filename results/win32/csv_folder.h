#pragma once
// The game's result files as Windows lists them: names come back in the ANSI code page, the
// same one the file functions open them with (the standard library's listing would give UTF-8).
#include <string>
#include <vector>

namespace tarvik {

// Names (without folder) of the files matching "<game>\Benchmark\CSVs\*.csv", in the order the
// folder gives them; none when the folder is missing.
std::vector<std::string> ListCsvFileNames(const std::string& gameFolder);

}  // namespace tarvik
