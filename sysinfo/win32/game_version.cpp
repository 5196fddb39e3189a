#include "sysinfo/win32/game_version.h"

#include "scripts/ini_ex.h"

namespace tarvik {

std::string ReadGameVersion(const std::string& gameFolder) {
    CIniEx manifest;
    // Whether it opened does not matter: an unopened file answers every key with the default.
    manifest.Open(gameFolder + "\\System\\Manifest.ini", /*writeBackOnClose=*/true,
                  /*createIfMissing=*/false, /*caseInsensitive=*/true, /*backupOnWrite=*/false);
    return manifest.GetValue("UT2003", "version", "");
}

}  // namespace tarvik
