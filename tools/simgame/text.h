#pragma once
// Small text helpers of the simulated game.
#include <string>

namespace tarvik::simgame {

std::string Lowered(std::string text);
std::string Trimmed(const std::string& text);
bool EqualIgnoringCase(const std::string& a, const std::string& b);
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);
// Every "\n" becomes "\r\n" (the game's files are DOS text).
std::string WithCrLf(const std::string& text);

}  // namespace tarvik::simgame
