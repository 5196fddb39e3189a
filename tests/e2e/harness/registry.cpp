#include "tests/e2e/harness/registry.h"

#include "base/format.h"
#include "base/win32/handles.h"

namespace tarvik::e2e {

namespace {

LONG OpenForWriting(HKEY root, const std::string& subKey, RegistryKey* key) {
    HKEY raw = nullptr;
    const LONG error = RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_WRITE, nullptr, &raw, nullptr);
    if (error == ERROR_SUCCESS) {
        key->Reset(raw);
    }
    return error;
}

}  // namespace

LONG WriteRegistryString(HKEY root, const std::string& subKey, const std::string& valueName,
                         const std::string& data) {
    RegistryKey key;
    const LONG error = OpenForWriting(root, subKey, &key);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    return RegSetValueExA(key.Get(), valueName.empty() ? nullptr : valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1));
}

LONG CreateRegistryKey(HKEY root, const std::string& subKey) {
    RegistryKey key;
    return OpenForWriting(root, subKey, &key);
}

LONG DeleteRegistryTree(HKEY root, const std::string& subKey) {
    const LONG error = RegDeleteTreeA(root, subKey.c_str());
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

LONG SetOpenCommand(const std::string& extension, const std::string& commandLine) {
    // The machine-wide classes, so that no per-user association of the prefix can win.
    const std::string progId = "TarvikTest" + extension;
    LONG error = DeleteRegistryTree(HKEY_CURRENT_USER, "Software\\Classes\\" + extension);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    error = WriteRegistryString(HKEY_LOCAL_MACHINE, "Software\\Classes\\" + extension, "", progId);
    if (error == ERROR_SUCCESS) {
        error = WriteRegistryString(HKEY_LOCAL_MACHINE,
                                    "Software\\Classes\\" + progId + "\\shell\\open\\command", "",
                                    commandLine);
    }
    return error;
}

std::string ErrorText(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return Format("error %lu (%s)", static_cast<unsigned long>(error), message.c_str());
}

}  // namespace tarvik::e2e
