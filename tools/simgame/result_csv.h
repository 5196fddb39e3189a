#pragma once
// The text of one result file: four header lines (title, engine build, processor, video card),
// a short fifth line, the run line as the command line gave it, two heading lines, one line per
// subframe starting with its frame time in ms, and a closing line whose first field is 0.
#include <string>
#include <vector>

#include "tools/simgame/frame_model.h"

namespace tarvik::simgame {

// The reader keeps at most this many characters of a header line.
inline constexpr std::size_t kMaxHeaderChars = 98;

struct ResultHeader {
    std::string processorName;
    int clockMhz = 0;
    std::string videoCard;
    std::string runLine;  // the command line's argument text
};

// The whole file, CR LF line ends.
std::string FormatResultCsv(const ResultHeader& header, const std::vector<Subframe>& frames);

// A file cut off in the middle of its data, as a game that dies while writing leaves it: about
// half the subframes, the last one broken off inside its line, no closing line.
std::string FormatTruncatedResultCsv(const ResultHeader& header,
                                     const std::vector<Subframe>& frames);

// The third header line: the processor, " @ ", the clock and " MHz". An "@" inside the
// processor's own name (brand strings such as "... CPU @ 2.40GHz") would mislead the clock
// reader, so the name is cut there.
std::string ProcessorLine(const std::string& processorName, int clockMhz);

}  // namespace tarvik::simgame
