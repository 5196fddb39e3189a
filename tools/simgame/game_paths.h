#pragma once
// Paths as the game sees them: files named on its command line are relative to its own System
// folder, and names in its folders are matched without regard to case.
#include <optional>
#include <string>
#include <vector>

namespace tarvik::simgame {

// Resolves a path from the command line against the game's System folder: a relative path
// (such as "..\Benchmark\Stuff\MaxDetail.ini") is joined to the folder and its "." and ".."
// steps are worked out; an absolute path (drive letter or leading backslash) is returned as
// given. Forward slashes count as backslashes.
std::string ResolveGamePath(const std::string& systemFolder, const std::string& path);

// The folder part of a path (without the trailing backslash); empty when there is none.
std::string FolderOf(const std::string& path);

// The entry of `names` equal to `wanted` without regard to case.
std::optional<std::string> FindNameIgnoringCase(const std::vector<std::string>& names,
                                                const std::string& wanted);

}  // namespace tarvik::simgame
