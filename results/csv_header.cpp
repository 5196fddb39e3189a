#include "results/csv_header.h"

#include <cstdio>

#include "base/stdio_file.h"

namespace tarvik {

std::optional<std::vector<std::string>> ReadHeaderLines(const std::string& path, std::size_t count,
                                                        std::size_t maxChars) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::string> lines(count);
    for (std::string& line : lines) {
        int c = 0;
        while ((c = std::getc(file.get())) != EOF && c != '\n') {
            if (line.size() < maxChars + 1) {  // one more, for a CR the line end may still drop
                line += static_cast<char>(c);
            }
        }
        if (c == '\n' && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > maxChars) {
            line.resize(maxChars);
        }
        if (c == EOF) {
            break;
        }
    }
    return lines;
}

}  // namespace tarvik
