#pragma once
// Registry writes of the test's own prefix: the game's installation keys and the shell's file
// associations.
#include <windows.h>

#include <string>

namespace tarvik::e2e {

inline constexpr const char* kFullGameKey = "Software\\Unreal Technology\\Installed Apps\\UT2003";
inline constexpr const char* kDemoGameKey =
    "Software\\Unreal Technology\\Installed Apps\\UT2003Demo";
inline constexpr const char* kFolderValue = "Folder";

// Creates root\subKey as needed and sets its REG_SZ value (an empty name sets the default
// value). Returns the system's error code, 0 on success.
LONG WriteRegistryString(HKEY root, const std::string& subKey, const std::string& valueName,
                         const std::string& data);
// Creates root\subKey without any value.
LONG CreateRegistryKey(HKEY root, const std::string& subKey);
// Removes root\subKey with everything below it; 0 also when it was not there.
LONG DeleteRegistryTree(HKEY root, const std::string& subKey);

// Points the shell's "open" verb for files ending in extension (".chm") at commandLine, which
// may use "%1" for the file. Returns the system's error code, 0 on success.
LONG SetOpenCommand(const std::string& extension, const std::string& commandLine);

// The system's text for an error code, for failure messages.
std::string ErrorText(DWORD error);

}  // namespace tarvik::e2e
