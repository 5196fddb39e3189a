#include "tools/simgame/command_line.h"

#include <cctype>
#include <cstddef>

#include "base/format.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

constexpr int kMaxBots = 32;
constexpr int kMaxResolutionSide = 16384;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string WithoutQuotes(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != '"') {
            plain += c;
        }
    }
    return plain;
}

// Blank-separated tokens; blanks inside double quotes belong to the token.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        }
        if (!quoted && IsBlank(c)) {
            if (!current.empty()) {
                tokens.push_back(current);
                current.clear();
            }
            continue;
        }
        current += c;
    }
    if (!current.empty()) {
        tokens.push_back(current);
    }
    return tokens;
}

// A whole number made of digits only, at most `limit`; -1 otherwise.
int WholeNumber(const std::string& text, int limit) {
    if (text.empty() || text.size() > 9) {
        return -1;
    }
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value <= limit ? value : -1;
}

std::optional<Resolution> ResolutionFrom(const std::string& text) {
    const std::size_t cross = Lowered(text).find('x');
    if (cross == std::string::npos) {
        return std::nullopt;
    }
    const int width = WholeNumber(text.substr(0, cross), kMaxResolutionSide);
    const int height = WholeNumber(text.substr(cross + 1), kMaxResolutionSide);
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return Resolution{width, height};
}

void SplitMapUrl(ParsedCommandLine* line) {
    std::size_t start = 0;
    bool first = true;
    while (start <= line->mapUrl.size()) {
        std::size_t end = line->mapUrl.find('?', start);
        if (end == std::string::npos) {
            end = line->mapUrl.size();
        }
        const std::string part = line->mapUrl.substr(start, end - start);
        if (first) {
            line->mapName = part;
            first = false;
        } else if (!part.empty()) {
            const std::size_t equals = part.find('=');
            if (equals == std::string::npos) {
                line->mapOptions.emplace_back(part, "");
            } else {
                line->mapOptions.emplace_back(part.substr(0, equals), part.substr(equals + 1));
            }
        }
        start = end + 1;
    }
}

bool ReadMode(ParsedCommandLine* line, std::string* error) {
    for (const auto& [key, value] : line->mapOptions) {
        const std::string name = Lowered(key);
        if (name == "spectatoronly") {
            line->mode = GameMode::Botmatch;
        } else if (name == "numbots") {
            line->mode = GameMode::Botmatch;
            line->botCount = WholeNumber(value, kMaxBots);
            if (line->botCount < 0) {
                *error = Format("Bad bot count \"numbots=%s\": a whole number from 0 to %d",
                                value.c_str(), kMaxBots);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::string MapFileName(const std::string& mapName) {
    const bool hasExtension =
        mapName.size() >= 4 && Lowered(mapName.substr(mapName.size() - 4)) == ".ut2";
    return hasExtension ? mapName : mapName + ".ut2";
}

bool ParseGameCommandLine(const std::string& commandLine, ParsedCommandLine* line,
                          std::string* error) {
    *line = ParsedCommandLine{};
    std::size_t at = 0;
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    if (at < commandLine.size() && commandLine[at] == '"') {
        const std::size_t close = commandLine.find('"', at + 1);
        const std::size_t end = close == std::string::npos ? commandLine.size() : close;
        line->executable = commandLine.substr(at + 1, end - at - 1);
        at = close == std::string::npos ? end : close + 1;
    } else {
        const std::size_t start = at;
        while (at < commandLine.size() && !IsBlank(commandLine[at])) {
            ++at;
        }
        line->executable = commandLine.substr(start, at - start);
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    std::size_t end = commandLine.size();
    while (end > at && IsBlank(commandLine[end - 1])) {
        --end;
    }
    line->argumentText = commandLine.substr(at, end - at);

    const std::vector<std::string> tokens = Tokens(line->argumentText);
    const bool hasMap = !tokens.empty() && tokens[0][0] != '-' &&
                        tokens[0].substr(0, tokens[0].find('?')).find('=') == std::string::npos;
    if (!hasMap) {
        *error = "No map given on the command line";
        return false;
    }
    line->mapUrl = WithoutQuotes(tokens[0]);
    SplitMapUrl(line);
    if (line->mapName.empty()) {
        *error = "No map given on the command line";
        return false;
    }
    if (!ReadMode(line, error)) {
        return false;
    }

    // A path with blanks may come unquoted: words without "=" that follow a path switch belong
    // to that path.
    std::string* lastPath = nullptr;
    std::string secondsText;
    bool secondsGiven = false;
    std::string lastDashToken;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        std::string* path = nullptr;
        if (token[0] == '-') {
            lastDashToken = token;
        }
        if (StartsWithIgnoringCase(token, "-exec=")) {
            path = &line->execFile;
            *path = WithoutQuotes(token.substr(6));
        } else if (StartsWithIgnoringCase(token, "ini=")) {
            path = &line->systemIni;
            *path = WithoutQuotes(token.substr(4));
        } else if (StartsWithIgnoringCase(token, "userini=")) {
            path = &line->userIni;
            *path = WithoutQuotes(token.substr(8));
        } else if (StartsWithIgnoringCase(token, "-seconds=")) {
            secondsText = WithoutQuotes(token.substr(9));
            secondsGiven = true;
        } else if (Lowered(token) == "-benchmark") {
            line->benchmark = true;
        } else if (Lowered(token) == "-nosound") {
            line->noSound = true;
        } else if (Lowered(token) == "-upt") {
            line->upt = true;
        } else if (lastPath != nullptr && token[0] != '-' && token.find('=') == std::string::npos) {
            *lastPath += " " + WithoutQuotes(token);
            path = lastPath;
        }
        lastPath = path;
    }
    if (!secondsGiven) {
        *error = "No run time on the command line (\"-seconds=\" is missing)";
        return false;
    }
    line->seconds = WholeNumber(secondsText, kMaxRunSeconds);
    if (line->seconds < 1) {
        *error = Format("Bad run time \"-seconds=%s\": whole seconds from 1 to %d",
                        secondsText.c_str(), kMaxRunSeconds);
        return false;
    }
    if (!lastDashToken.empty()) {
        line->resolution = ResolutionFrom(lastDashToken.substr(1));
    }
    return true;
}

}  // namespace tarvik::simgame
