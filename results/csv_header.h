#pragma once
// The first lines of a result file, as the CSV manager shows them for a look at its header.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

inline constexpr std::size_t kHeaderViewLines = 6;
inline constexpr std::size_t kHeaderViewLineChars = 498;

// Exactly `count` lines, each without its line end (LF or CR LF) and cut at `maxChars`, the rest
// of a long line skipped; lines the file lacks are empty. Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadHeaderLines(
    const std::string& path, std::size_t count = kHeaderViewLines,
    std::size_t maxChars = kHeaderViewLineChars);

}  // namespace tarvik
