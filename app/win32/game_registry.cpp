#include "app/win32/game_registry.h"

#include <windows.h>

#include <vector>

#include "base/win32/handles.h"

namespace tarvik {

namespace {

RegistryKey OpenKey(const char* keyPath, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
        return RegistryKey();
    }
    return RegistryKey(key);
}

std::optional<std::string> ReadStringValue(HKEY key, const char* name) {
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<char> buffer(size + 1, '\0');
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The stored text may or may not carry its terminating zero.
    return std::string(buffer.data());
}

}  // namespace

InstallationKey ReadInstallationKey(const char* keyPath) {
    InstallationKey result;
    RegistryKey key = OpenKey(keyPath, KEY_WOW64_32KEY);
    if (!key) {
        key = OpenKey(keyPath, 0);
    }
    if (!key) {
        return result;
    }
    result.opened = true;
    result.folder = ReadStringValue(key.Get(), kFolderValue);
    return result;
}

GameLocation FindGameInRegistry() {
    const InstallationKey fullGame = ReadInstallationKey(kFullGameKey);
    // The demo key is consulted only when the full game's key does not open.
    const InstallationKey demo =
        fullGame.opened ? InstallationKey{} : ReadInstallationKey(kDemoGameKey);
    return LocateGame(fullGame, demo);
}

}  // namespace tarvik
