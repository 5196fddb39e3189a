#include "tools/simgame/result_csv.h"

#include "base/format.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string HeaderPart(const ResultHeader& header) {
    std::string text;
    text += "UT2003 Benchmark Results (simulated)";
    text += kLineEnd;
    text += "Engine build 2225";
    text += kLineEnd;
    text += ProcessorLine(header.processorName, header.clockMhz) + kLineEnd;
    text += Truncated(header.videoCard, kMaxHeaderChars) + kLineEnd;
    text += "FPS,";
    text += kLineEnd;
    text += header.runLine + kLineEnd;
    text += "Subframe statistics, one line per 1/30 s";
    text += kLineEnd;
    text += "FrameTime(ms),FPS,Polys,Actors";
    text += kLineEnd;
    return text;
}

std::string DataLine(const Subframe& frame) {
    return Format("%.6f,%.2f,%d,%d", frame.frameMs, 1000.0 / frame.frameMs, frame.polygons,
                  frame.actors) +
           kLineEnd;
}

}  // namespace

std::string ProcessorLine(const std::string& processorName, int clockMhz) {
    std::string name = Trimmed(processorName.substr(0, processorName.find('@')));
    if (name.empty()) {
        name = "Unknown processor";
    }
    const std::string clock = Format(" @ %d MHz", clockMhz);
    return Truncated(name, kMaxHeaderChars - clock.size()) + clock;
}

std::string FormatResultCsv(const ResultHeader& header, const std::vector<Subframe>& frames) {
    std::string text = HeaderPart(header);
    for (const Subframe& frame : frames) {
        text += DataLine(frame);
    }
    text += "0,0,0,0";
    text += kLineEnd;
    return text;
}

std::string FormatTruncatedResultCsv(const ResultHeader& header,
                                     const std::vector<Subframe>& frames) {
    std::string text = HeaderPart(header);
    const std::size_t kept = frames.size() / 2;
    for (std::size_t i = 0; i < kept; ++i) {
        text += DataLine(frames[i]);
    }
    if (kept < frames.size()) {
        const std::string broken = DataLine(frames[kept]);
        text += broken.substr(0, broken.find(',') + 3);
    }
    return text;
}

}  // namespace tarvik::simgame
