#pragma once
// Which of the game's two ini files a file is, told from its very first bytes: a system ini
// opens with its "[URL]" section, a user ini with "[DefaultPlayer]".
#include <string>
#include <string_view>

namespace tarvik {

enum class IniKind { System, User, Neither };

// Judged on the first five bytes only; a shorter start is neither.
IniKind IniKindOfStart(std::string_view firstBytes);

// Neither for a file that cannot be read.
IniKind ClassifyIniFile(const std::string& path);

// The part after the last backslash, or the whole path when it has none: the name a box shows.
std::string IniNameOf(const std::string& path);

// Whether the name ends with the extension (".ini"), whatever the case: a wildcard listing also
// matches short names, so "*.ini" can bring back "x.inix".
bool HasExtension(const std::string& name, std::string_view extension);

}  // namespace tarvik
