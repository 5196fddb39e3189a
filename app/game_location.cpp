#include "app/game_location.h"

#include "app/app_state.h"
#include "base/format.h"

namespace tarvik {

GameLocation LocateGame(const InstallationKey& fullGame, const InstallationKey& demo) {
    GameLocation location;
    const InstallationKey* key = nullptr;
    if (fullGame.opened) {
        key = &fullGame;
        location.isDemo = false;
    } else if (demo.opened) {
        key = &demo;
        location.isDemo = true;
    } else {
        location.error = "Failed to find directory for FULL Version or DEMO of UT2K3!";
        location.errorCaption = "error!";
        return location;
    }
    const std::string folder = key->folder.value_or("");
    // A longer folder cannot be held; cutting it would silently point at another folder.
    if (folder.size() > kMaxGameFolderChars) {
        location.error = Format(
            "The game folder recorded in the registry is too long (%u characters; at most %u "
            "are supported):\n\n%s",
            static_cast<unsigned>(folder.size()), static_cast<unsigned>(kMaxGameFolderChars),
            folder.c_str());
        location.errorCaption = "error!";
        return location;
    }
    location.found = true;
    location.gameFolder = folder;
    return location;
}

}  // namespace tarvik
