#include "results/game_files.h"

#include <string_view>

#include "base/text.h"

namespace tarvik {

bool HasCsvExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".csv";
    if (name.size() < kExtension.size()) {
        return false;
    }
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return EqualsIgnoringAsciiCase(tail, kExtension);
}

}  // namespace tarvik
