#include "base/file_chooser.h"

#include <algorithm>

namespace tarvik {

std::string FilterFromBars(const std::string& barredFilter) {
    std::string filter = barredFilter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}

}  // namespace tarvik
