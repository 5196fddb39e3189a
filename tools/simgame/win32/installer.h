#pragma once
// Builds a simulated game installation on disk and registers it the way the game's setup does,
// for the demo and for every end-to-end test.
#include <string>

#include "tools/simgame/installation_files.h"

namespace tarvik::simgame {

// Under HKEY_LOCAL_MACHINE; each holds the installation's folder in the value "Folder".
inline constexpr const char* kFullRegistryKey =
    "Software\\Unreal Technology\\Installed Apps\\UT2003";
inline constexpr const char* kDemoRegistryKey =
    "Software\\Unreal Technology\\Installed Apps\\UT2003Demo";
inline constexpr const char* kFolderValue = "Folder";

// Writes every file of the installation into `gameFolder` (made if missing), replacing older
// copies of those files but leaving result files alone, and copies `gameExeSource` (the built
// ut2003.exe) to "System\ut2003.exe"; an empty `gameExeSource` installs no executable. On
// failure `error` (if not null) says what went wrong.
bool BuildInstallation(const std::string& gameFolder, Edition edition,
                       const std::string& gameExeSource, std::string* error);
bool BuildInstallation(const std::string& gameFolder, Edition edition,
                       const std::string& gameExeSource, const InstallOptions& options,
                       std::string* error);

// Full: the full game's key holds `fullFolder` and the demo's key is removed; Demo: the other
// way round; Both: both keys; None: both keys removed. Folders are stored exactly as given.
bool RegisterInstallation(const std::string& fullFolder, const std::string& demoFolder,
                          Registration which, std::string* error);

// Removes both keys (a missing key is no error).
bool RemoveRegistration(std::string* error);

// "ut2003.exe" in the folder of the running program, where the build puts it beside the tools
// and tests.
std::string GameExecutableBesideProgram();

}  // namespace tarvik::simgame
