#pragma once
// Reads the game's installation keys from the registry.
#include "app/game_location.h"

namespace tarvik {

// The key under HKEY_LOCAL_MACHINE, read-only. The game is a 32-bit program, so its installer
// writes the 32-bit view; the native view is looked at when the key is not there.
InstallationKey ReadInstallationKey(const char* keyPath);

GameLocation FindGameInRegistry();

}  // namespace tarvik
