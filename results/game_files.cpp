#include "results/game_files.h"

#include <algorithm>
#include <string_view>

namespace tarvik {

bool HasCsvExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".csv";
    if (name.size() < kExtension.size()) {
        return false;
    }
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

}  // namespace tarvik
