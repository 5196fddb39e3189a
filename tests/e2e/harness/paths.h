#pragma once
// Where things are inside the throw-away Wine prefix of one end-to-end test.
#include <string>

namespace tarvik::e2e {

// The game folders the fixture installs into; the blank keeps path quoting honest.
inline constexpr const char* kFullGameFolder = "C:\\Games\\UT2003";
inline constexpr const char* kDemoGameFolder = "C:\\Games\\UT2003 Demo";

// The folder of the running test program, which is also the build's bin folder holding
// tarvik.exe and the simulated ut2003.exe.
std::string BinFolder();
std::string TarvikExePath();
std::string SimulatedGameExePath();
// "<bin>\..\screenshots", or the folder TARVIK_SCREENSHOTS names; created on first use.
std::string ScreenshotFolder();

std::string JoinPath(const std::string& folder, const std::string& name);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder and its missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);
// Deletes the folder with everything in it; true when it is gone afterwards.
bool DeleteTree(const std::string& path);
// The whole file as bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace tarvik::e2e
