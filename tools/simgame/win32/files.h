#pragma once
// The few file operations the simulated game and its installer need, on ANSI paths.
#include <optional>
#include <string>
#include <vector>

namespace tarvik::simgame {

bool ReadWholeFile(const std::string& path, std::string* bytes);
// Replaces the file in one step: the bytes go to a temporary file beside it first, so a failure
// never leaves a half-written file.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes a file that must not exist yet; an existing file is left alone and the call fails.
bool WriteNewFile(const std::string& path, const std::string& bytes);
bool AppendToFile(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);  // a file, not a folder
bool FolderExists(const std::string& path);
// Creates the folder and every missing folder above it.
bool MakeFolders(const std::string& path);
// Names (without folder) of the files in `folder` that match `pattern`, such as "*.csv".
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// The folder of the running executable.
std::string ProgramFolder();
std::optional<std::string> EnvironmentValue(const char* name);
// "text (error N: system message)" for the calling thread's last error.
std::string WithLastError(const std::string& text);

}  // namespace tarvik::simgame
