#include "widgets/win32/link_opener.h"

#include <shellapi.h>

#include <cstring>

#include "base/win32/handles.h"
#include "widgets/hyperlink_text.h"

namespace tarvik {

int ShellLinkOpener::ShellOpen(const std::string& target) {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool ShellLinkOpener::ReadClassesRootValue(const std::string& key, std::string& value) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return false;
    }
    const RegistryKey owned(opened);
    char buffer[kBrowserValueCapacity + 1] = {};  // one over, for a value stored unterminated
    DWORD size = kBrowserValueCapacity;
    DWORD type = 0;
    if (RegQueryValueExA(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    const std::size_t length = strnlen(buffer, size);
    if (length >= static_cast<std::size_t>(kBrowserValueCapacity)) {
        return false;
    }
    value.assign(buffer, length);
    return true;
}

int ShellLinkOpener::Run(const std::string& commandLine) {
    return static_cast<int>(WinExec(commandLine.c_str(), SW_SHOWNORMAL));
}

}  // namespace tarvik
