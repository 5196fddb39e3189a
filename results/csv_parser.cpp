#include "results/csv_parser.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "base/format.h"
#include "base/stdio_file.h"
#include "base/text.h"

namespace tarvik {
namespace {

constexpr const char* kFlybyMarker = "flybyexec";
constexpr const char* kFlybyMode = "flyby";
constexpr const char* kBotmatchMode = "botmatch";
// Tested in this order; the first one the run line contains is the run's resolution.
constexpr const char* kResolutions[] = {"640x480",  "800x600",   "1024x768",
                                        "1280x960", "1280x1024", "1600x1200"};

constexpr double kNoMinimumYet = 10000.0;
constexpr std::size_t kFirstReadSize = 64 * 1024;
// A size the C library reports beyond this (a directory, a device) is not trusted.
constexpr std::size_t kLargestTrustedSize = 256 * 1024 * 1024;

// Walks the text line by line without copying.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line without its end; false once the text is used up.
    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) {
            return false;
        }
        const char* start = text_.data() + position_;
        const std::size_t left = text_.size() - position_;
        const void* feed = std::memchr(start, '\n', left);
        if (feed == nullptr) {
            position_ = text_.size();
            line = std::string_view(start, left);
            return true;
        }
        std::size_t length = static_cast<std::size_t>(static_cast<const char*>(feed) - start);
        position_ += length + 1;
        if (length > 0 && start[length - 1] == '\r') {
            --length;
        }
        line = std::string_view(start, length);
        return true;
    }

    // Skips one line; an empty view at the end of the text.
    std::string_view NextOrEmpty() {
        std::string_view line;
        return Next(line) ? line : std::string_view();
    }

    std::string_view Rest() const { return text_.substr(position_); }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// A text field as the record keeps it: a NUL ends it, as it would end a C string.
std::string TextField(std::string_view line, std::size_t maxChars) {
    const std::size_t nul = line.find('\0');
    return Truncated(line.substr(0, nul), maxChars);
}

// Counts in fixed chunks whose per-chunk tally fits a byte, a loop compilers turn into vector
// compares: the count pass costs little next to reading the file.
std::size_t CountLineFeeds(std::string_view text) {
    constexpr std::size_t kChunk = 240;
    const char* at = text.data();
    std::size_t left = text.size();
    std::size_t feeds = 0;
    for (; left >= kChunk; at += kChunk, left -= kChunk) {
        unsigned char inChunk = 0;
        for (std::size_t i = 0; i < kChunk; ++i) {
            inChunk = static_cast<unsigned char>(inChunk + (at[i] == '\n' ? 1 : 0));
        }
        feeds += inChunk;
    }
    for (std::size_t i = 0; i < left; ++i) {
        feeds += at[i] == '\n' ? 1 : 0;
    }
    return feeds;
}

std::size_t CountLines(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const std::size_t feeds = CountLineFeeds(text);
    return text.back() == '\n' ? feeds : feeds + 1;
}

// 1000 / frame time, or 0 where that is no real number (a zero or non-finite frame time).
double FrameRate(double frameTime) {
    if (frameTime == 0.0 || !std::isfinite(frameTime)) {
        return 0.0;
    }
    const double rate = 1000.0 / frameTime;
    return std::isfinite(rate) && rate != 0.0 ? rate : 0.0;
}

float PointRate(double frameTime) {
    const double rate = FrameRate(frameTime);
    if (!(std::fabs(rate) <= FLT_MAX)) {
        return 0.0f;
    }
    const auto point = static_cast<float>(rate);
    return point == 0.0f ? 0.0f : point;
}

struct Rates {
    double low = 0.0;
    double average = 0.0;
    double high = 0.0;
};

// The data lines, from the first one on: the frame-time pass of the file.
Rates ReadFrames(std::string_view data, const ResultSettings& settings,
                 std::vector<float>& points) {
    // Count pass: size the series so that the value pass never grows it.
    points.clear();
    points.reserve(CountLines(data) / kSubframesPerSecond + 1);

    LineReader lines(data);
    std::string_view line;
    // A subframe's value is taken only once the line after it has been read and is not the
    // end, so the line just before the end is never counted.
    double pending = lines.Next(line) ? ReadFirstField(line) : 0.0;
    long long subframe = 1;
    long long counted = 0;
    double sum = 0.0;
    double minimum = kNoMinimumYet;
    double maximum = 0.0;
    double groupSum = 0.0;
    int groupCount = 0;
    while (lines.Next(line)) {
        const double next = ReadFirstField(line);
        if (next == 0.0) {
            break;
        }
        if (subframe >= settings.startSubframe) {
            const double t = pending;
            ++counted;
            sum += t;
            groupSum += t;
            ++groupCount;
            if (t < minimum && t != 0.0) {
                minimum = t;
            }
            if (t > maximum) {
                maximum = t;
            }
            // Points sit on absolute subframes 30, 60, 90...: the first one averages whatever
            // was counted since startSubframe.
            if (subframe % kSubframesPerSecond == 0) {
                points.push_back(PointRate(groupSum / groupCount));
                groupSum = 0.0;
                groupCount = 0;
            }
        }
        pending = next;
        ++subframe;
    }

    Rates rates;
    if (counted == 0 || !(maximum > 0.0)) {
        return rates;
    }
    rates.average = FrameRate(sum / static_cast<double>(counted));
    rates.high = FrameRate(minimum);
    rates.low = FrameRate(maximum);
    return rates;
}

Rates RatesBySecond(const std::vector<float>& points) {
    Rates rates;
    if (points.empty()) {
        return rates;
    }
    double sum = 0.0;
    double low = kNoMinimumYet;
    double high = 0.0;
    for (const float point : points) {
        sum += point;
        low = std::min<double>(low, point);
        high = std::max<double>(high, point);
    }
    rates.low = low;
    rates.average = sum / static_cast<double>(points.size());
    rates.high = high;
    return rates;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int CpuMhzFromHeader(std::string_view header3) {
    const std::size_t at = header3.find('@');
    if (at == std::string_view::npos) {
        return 0;
    }
    const std::string_view fromAt = header3.substr(at);
    const std::size_t blank = fromAt.find(' ');
    if (blank == std::string_view::npos) {
        return 0;
    }
    const std::string_view afterAt = fromAt.substr(blank);
    // Searching the reversed text finds the last "MHz" and the last blank before it.
    const std::string reversed(afterAt.rbegin(), afterAt.rend());
    const std::size_t unit = reversed.find("zHM");
    if (unit == std::string::npos) {
        return 0;
    }
    const std::size_t blankBeforeUnit = reversed.find(' ', unit);
    if (blankBeforeUnit == std::string::npos) {
        return 0;
    }
    std::string clock = reversed.substr(blankBeforeUnit);
    std::reverse(clock.begin(), clock.end());
    // Only blanks are trimmed, and none of atoi's other white space is skipped: a tab in front
    // of the digits means the header names no clock.
    return SignedInteger(TrimBlanks(clock));
}

MapResult ParseCsvText(std::string_view text, const ResultSettings& settings) {
    MapResult record;
    LineReader lines(text);
    record.header1 = TextField(lines.NextOrEmpty(), kHeaderMaxChars);
    record.header2 = TextField(lines.NextOrEmpty(), kHeaderMaxChars);
    record.header3 = TextField(lines.NextOrEmpty(), kHeaderMaxChars);
    record.header4 = TextField(lines.NextOrEmpty(), kHeaderMaxChars);
    lines.NextOrEmpty();

    // The run line: "<map>?<options>"; a line without "?" is all map name.
    const std::string_view runLine = lines.NextOrEmpty();
    const std::size_t mark = runLine.find('?');
    record.mapName = TextField(runLine.substr(0, mark), kMapNameMaxChars);
    const std::string options = mark == std::string_view::npos
                                    ? std::string()
                                    : TextField(runLine.substr(mark + 1), kRunOptionsMaxChars);
    record.mode = options.find(kFlybyMarker) != std::string::npos ? kFlybyMode : kBotmatchMode;
    for (const char* resolution : kResolutions) {
        if (options.find(resolution) != std::string::npos) {
            record.resolution = resolution;
            break;
        }
    }
    lines.NextOrEmpty();
    lines.NextOrEmpty();

    Rates rates = ReadFrames(lines.Rest(), settings, record.perSecondFps);
    record.perSecondCount = static_cast<int>(record.perSecondFps.size());
    if (settings.averageBySecond) {
        rates = RatesBySecond(record.perSecondFps);
    }
    record.lowFps = rates.low;
    record.avgFps = rates.average;
    record.highFps = rates.high;
    record.summary =
        Truncated(Format("%f / %f / %f", rates.low, rates.average, rates.high), kSummaryMaxChars);
    record.cpuMhz = CpuMhzFromHeader(record.header3);
    return record;
}

std::optional<MapResult> CsvReader::Parse(const std::string& path, const ResultSettings& settings) {
    if (!ReadWholeFile(path)) {
        return std::nullopt;
    }
    return ParseCsvText(std::string_view(buffer_.get(), length_), settings);
}

bool CsvReader::Reserve(std::size_t capacity) {
    if (capacity <= capacity_) {
        return true;
    }
    std::unique_ptr<char[]> larger(new (std::nothrow) char[capacity]);
    if (!larger) {
        return false;
    }
    if (length_ > 0) {
        std::memcpy(larger.get(), buffer_.get(), length_);
    }
    buffer_ = std::move(larger);
    capacity_ = capacity;
    return true;
}

bool CsvReader::ReadWholeFile(const std::string& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) {
        return false;
    }
    length_ = 0;
    // The file's size, when the C library can tell, lets one read take it all.
    std::size_t expected = kFirstReadSize;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size >= 0 && static_cast<unsigned long>(size) < kLargestTrustedSize) {
            expected = std::max(expected, static_cast<std::size_t>(size) + 1);
        }
        std::rewind(file.get());
    }
    if (!Reserve(expected)) {
        return false;
    }
    for (;;) {
        if (length_ == capacity_ && !Reserve(capacity_ * 2)) {
            return false;
        }
        const std::size_t wanted = capacity_ - length_;
        const std::size_t got = std::fread(buffer_.get() + length_, 1, wanted, file.get());
        length_ += got;
        if (got < wanted) {
            break;
        }
    }
    return std::ferror(file.get()) == 0;
}

std::optional<MapResult> ParseCsv(const std::string& path, const ResultSettings& settings) {
    CsvReader reader;
    return reader.Parse(path, settings);
}

}  // namespace tarvik
