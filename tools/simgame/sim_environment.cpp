#include "tools/simgame/sim_environment.h"

#include <cmath>
#include <cstdlib>

#include "base/format.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr double kLongestTimeScale = 1000.0;
constexpr int kHighestClockMhz = 100000;

bool WholeNumber(const std::string& text, int* number) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    *number = value;
    return true;
}

}  // namespace

bool ParseFailureSwitch(const std::string& text, FailureSwitch* failure, std::string* error) {
    *failure = FailureSwitch{};
    const std::string value = Lowered(Trimmed(text));
    if (value.empty()) {
        return true;
    }
    const std::size_t at = value.find('@');
    const std::string kind = value.substr(0, at);
    if (at != std::string::npos &&
        (!WholeNumber(value.substr(at + 1), &failure->onlyRun) || failure->onlyRun < 1)) {
        *error = Format("%s=%s: the run number after \"@\" must be 1 or more", kFailVariable,
                        text.c_str());
        return false;
    }
    if (kind == "no-csv") {
        failure->failure = Failure::NoCsv;
    } else if (kind == "truncated") {
        failure->failure = Failure::Truncated;
    } else if (kind == "crash") {
        failure->failure = Failure::Crash;
    } else if (kind == "exit") {
        failure->failure = Failure::Exit;
    } else if (kind == "hang") {
        failure->failure = Failure::Hang;
    } else {
        *error = Format("%s=%s: expected no-csv, truncated, crash, exit or hang, optionally @N",
                        kFailVariable, text.c_str());
        return false;
    }
    return true;
}

Failure FailureForRun(const FailureSwitch& failure, int runNumber) {
    return failure.onlyRun == 0 || failure.onlyRun == runNumber ? failure.failure : Failure::None;
}

bool ParseTimeScale(const std::string& text, double* scale, std::string* error) {
    const std::string value = Trimmed(text);
    if (value.empty()) {
        *scale = 1.0;
        return true;
    }
    char* end = nullptr;
    const double parsed = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0' || !std::isfinite(parsed) || parsed < 0.0 ||
        parsed > kLongestTimeScale) {
        *error = Format("%s=%s: expected a number from 0 to %g", kTimeScaleVariable, text.c_str(),
                        kLongestTimeScale);
        return false;
    }
    *scale = parsed;
    return true;
}

bool ParseProcessorOverride(const std::string& text, ProcessorOverride* processor,
                            std::string* error) {
    const std::size_t bar = text.find_last_of('|');
    int clock = 0;
    if (bar == std::string::npos || Trimmed(text.substr(0, bar)).empty() ||
        !WholeNumber(Trimmed(text.substr(bar + 1)), &clock) || clock < 1 ||
        clock > kHighestClockMhz) {
        *error = Format("%s=%s: expected \"processor name|clock in MHz\"", kProcessorVariable,
                        text.c_str());
        return false;
    }
    processor->name = Trimmed(text.substr(0, bar));
    processor->clockMhz = clock;
    return true;
}

int RoundedClockMhz(double measuredMhz) {
    if (!(measuredMhz > 0.0) || measuredMhz > kHighestClockMhz) {
        return 0;
    }
    return static_cast<int>(std::lround(measuredMhz / 10.0)) * 10;
}

int CountLogLines(const std::string& logText) {
    int lines = 0;
    for (char c : logText) {
        if (c == '\n') {
            ++lines;
        }
    }
    if (!logText.empty() && logText.back() != '\n') {
        ++lines;
    }
    return lines;
}

}  // namespace tarvik::simgame
