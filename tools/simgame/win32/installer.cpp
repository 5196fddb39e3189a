#include "tools/simgame/win32/installer.h"

#include <windows.h>

#include "base/format.h"
#include "base/win32/handles.h"
#include "tools/simgame/win32/files.h"

namespace tarvik::simgame {
namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}

std::string ErrorText(LONG code) {
    char message[512] = {};
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     static_cast<DWORD>(code), 0, message, sizeof message, nullptr);
    std::string text = message;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return Format("error %ld: %s", static_cast<long>(code), text.c_str());
}

bool SetFolderKey(const char* keyPath, const std::string& folder, std::string* error) {
    if (folder.empty()) {
        return Fail(error, Format("No folder given for HKLM\\%s", keyPath));
    }
    HKEY created = nullptr;
    LONG result =
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, &created, nullptr);
    if (result != ERROR_SUCCESS) {
        return Fail(error,
                    Format("Can't create HKLM\\%s (%s)", keyPath, ErrorText(result).c_str()));
    }
    RegistryKey key(created);
    result = ::RegSetValueExA(key.Get(), kFolderValue, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(folder.c_str()),
                              static_cast<DWORD>(folder.size() + 1));
    if (result != ERROR_SUCCESS) {
        return Fail(error, Format("Can't set HKLM\\%s\\%s (%s)", keyPath, kFolderValue,
                                  ErrorText(result).c_str()));
    }
    return true;
}

bool DeleteFolderKey(const char* keyPath, std::string* error) {
    const LONG result = ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
        return Fail(error,
                    Format("Can't remove HKLM\\%s (%s)", keyPath, ErrorText(result).c_str()));
    }
    return true;
}

}  // namespace

bool BuildInstallation(const std::string& gameFolder, Edition edition,
                       const std::string& gameExeSource, std::string* error) {
    return BuildInstallation(gameFolder, edition, gameExeSource, InstallOptions{}, error);
}

bool BuildInstallation(const std::string& gameFolder, Edition edition,
                       const std::string& gameExeSource, const InstallOptions& options,
                       std::string* error) {
    if (gameFolder.empty()) {
        return Fail(error, "No game folder given");
    }
    if (!gameExeSource.empty() && !FileExists(gameExeSource)) {
        return Fail(error, "Game executable not found: " + gameExeSource);
    }
    if (!MakeFolders(gameFolder)) {
        return Fail(error, WithLastError("Can't create " + gameFolder));
    }
    for (const std::string& folder : InstallationFolders()) {
        if (!MakeFolders(gameFolder + "\\" + folder)) {
            return Fail(error, WithLastError("Can't create " + gameFolder + "\\" + folder));
        }
    }
    for (const InstallationFile& file : InstallationFiles(edition, options)) {
        const std::string path = gameFolder + "\\" + file.relativePath;
        if (!WriteWholeFile(path, file.contents)) {
            return Fail(error, WithLastError("Can't write " + path));
        }
    }
    if (!gameExeSource.empty()) {
        const std::string target = gameFolder + "\\" + kGameExecutable;
        if (!::CopyFileA(gameExeSource.c_str(), target.c_str(), FALSE)) {
            return Fail(error, WithLastError("Can't copy " + gameExeSource + " to " + target));
        }
    }
    return true;
}

bool RegisterInstallation(const std::string& fullFolder, const std::string& demoFolder,
                          Registration which, std::string* error) {
    switch (which) {
        case Registration::Full:
            return SetFolderKey(kFullRegistryKey, fullFolder, error) &&
                   DeleteFolderKey(kDemoRegistryKey, error);
        case Registration::Demo:
            return SetFolderKey(kDemoRegistryKey, demoFolder, error) &&
                   DeleteFolderKey(kFullRegistryKey, error);
        case Registration::Both:
            return SetFolderKey(kFullRegistryKey, fullFolder, error) &&
                   SetFolderKey(kDemoRegistryKey, demoFolder, error);
        case Registration::None:
            return RemoveRegistration(error);
    }
    return Fail(error, "Unknown registration");
}

bool RemoveRegistration(std::string* error) {
    return DeleteFolderKey(kFullRegistryKey, error) && DeleteFolderKey(kDemoRegistryKey, error);
}

std::string GameExecutableBesideProgram() {
    return ProgramFolder() + "\\ut2003.exe";
}

}  // namespace tarvik::simgame
