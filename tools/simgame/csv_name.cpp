#include "tools/simgame/csv_name.h"

#include <algorithm>
#include <cctype>

#include "base/format.h"
#include "results/list_order.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kPrefix = "UT2003-Benchmark";
constexpr int kSequenceDigits = 6;
constexpr int kMaxAttempts = 8;

std::string Stem(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// "<prefix>-NNNNNN.csv": the prefix and the number, or a negative number for other names.
long SequenceOf(const std::string& name, std::string* prefix) {
    if (!EqualIgnoringCase(name.substr(Stem(name).size()), ".csv")) {
        return -1;
    }
    const std::string stem = Stem(name);
    if (stem.size() < kSequenceDigits + 1 || stem[stem.size() - kSequenceDigits - 1] != '-') {
        return -1;
    }
    long number = 0;
    for (std::size_t i = stem.size() - kSequenceDigits; i < stem.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(stem[i]))) {
            return -1;
        }
        number = number * 10 + (stem[i] - '0');
    }
    *prefix = stem.substr(0, stem.size() - kSequenceDigits - 1);
    return number;
}

// The existing name that the candidate fails to follow, or nullptr.
const std::string* FirstNotBefore(const std::vector<std::string>& existing,
                                  const std::string& candidate) {
    const std::string* blocker = nullptr;
    for (const std::string& name : existing) {
        if (CompareListOrder(name, candidate) >= 0 &&
            (blocker == nullptr || CompareListOrder(*blocker, name) < 0)) {
            blocker = &name;
        }
    }
    return blocker;
}

}  // namespace

std::string NextResultCsvName(const std::vector<std::string>& existing) {
    long highest = 0;
    for (const std::string& name : existing) {
        std::string prefix;
        highest = std::max(highest, SequenceOf(name, &prefix));
    }
    const long sequence = highest + 1;
    auto named = [sequence](const std::string& prefix) {
        return Format("%s-%0*ld.csv", prefix.c_str(), kSequenceDigits, sequence);
    };

    std::string candidate = named(kPrefix);
    // A foreign name that sorts late: follow it, reusing its prefix when it is one of ours so that
    // the names stop growing after the first step.
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        const std::string* blocker = FirstNotBefore(existing, candidate);
        if (blocker == nullptr) {
            return candidate;
        }
        std::string prefix;
        if (SequenceOf(*blocker, &prefix) >= 0 && sequence < 1000000 &&
            named(prefix) != candidate) {
            candidate = named(prefix);
        } else {
            candidate = named(Stem(*blocker) + "z");
        }
    }
    return {};
}

}  // namespace tarvik::simgame
