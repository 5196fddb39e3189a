#include "tests/e2e/harness/paths.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "base/win32/handles.h"

namespace tarvik::e2e {

std::string BinFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::string TarvikExePath() {
    return JoinPath(BinFolder(), "tarvik.exe");
}

std::string SimulatedGameExePath() {
    return JoinPath(BinFolder(), "ut2003.exe");
}

std::string ScreenshotFolder() {
    // The demo keeps its pictures beside its own prefix.
    if (const char* chosen = std::getenv("TARVIK_SCREENSHOTS"); chosen && *chosen) {
        CreateFolders(chosen);
        return chosen;
    }
    const std::string bin = BinFolder();
    const auto slash = bin.find_last_of("\\/");
    const std::string build = slash == std::string::npos ? std::string("..") : bin.substr(0, slash);
    const std::string folder = JoinPath(build, "screenshots");
    CreateFolders(folder);
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') {
        return folder + name;
    }
    return folder + "\\" + name;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolders(const std::string& path) {
    if (path.empty() || FolderExists(path)) {
        return !path.empty();
    }
    const auto slash = path.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0 && path[slash - 1] != ':') {
        CreateFolders(path.substr(0, slash));
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return FolderExists(path);
}

bool DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA entry = {};
    FindHandle find(FindFirstFileA(JoinPath(path, "*").c_str(), &entry));
    if (find) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = JoinPath(path, name);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find.Get(), &entry));
    }
    find.Reset();
    RemoveDirectoryA(path.c_str());
    return !FolderExists(path) && !FileExists(path);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace tarvik::e2e
