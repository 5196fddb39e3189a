#pragma once
// Where the game is: the registry decision, kept apart from the registry calls so it can be
// tested natively.
#include <optional>
#include <string>

namespace tarvik {

// What one installation key of the registry gave.
struct InstallationKey {
    bool opened = false;
    std::optional<std::string> folder;  // the "Folder" value, when it could be read
};

struct GameLocation {
    bool found = false;
    std::string gameFolder;
    bool isDemo = false;
    std::string error;  // why the program cannot go on; empty when it can
    std::string errorCaption;
};

inline constexpr const char* kFullGameKey = "Software\\Unreal Technology\\Installed Apps\\UT2003";
inline constexpr const char* kDemoGameKey =
    "Software\\Unreal Technology\\Installed Apps\\UT2003Demo";
inline constexpr const char* kFolderValue = "Folder";

// The full game wins; the demo key is looked at only when the full game's key does not open.
GameLocation LocateGame(const InstallationKey& fullGame, const InstallationKey& demo);

}  // namespace tarvik
