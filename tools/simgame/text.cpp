#include "tools/simgame/text.h"

#include <cctype>

namespace tarvik::simgame {

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && std::isspace(static_cast<unsigned char>(text[start]))) {
        ++start;
    }
    while (end > start && std::isspace(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return text.substr(start, end - start);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && Lowered(a) == Lowered(b);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string WithCrLf(const std::string& text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') {
            converted += '\r';
        }
        converted += c;
    }
    return converted;
}

}  // namespace tarvik::simgame
