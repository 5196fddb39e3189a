#include "upload/win32/reply_page.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include "base/format.h"
#include "base/win32/handles.h"

namespace tarvik {

namespace {

bool WriteWhole(const std::string& path, const std::string& reply) {
    bool written = false;
    {
        FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        DWORD done = 0;
        written =
            WriteFile(file.Get(), reply.data(), static_cast<DWORD>(reply.size()), &done, nullptr) &&
            done == reply.size();
    }
    if (!written) {
        DeleteFileA(path.c_str());
    }
    return written;
}

}  // namespace

std::vector<std::string> ReplyPageCandidates() {
    std::vector<std::string> candidates;
    char folder[MAX_PATH] = "";
    if (SUCCEEDED(
            SHGetFolderPathA(nullptr, CSIDL_INTERNET_CACHE, nullptr, SHGFP_TYPE_CURRENT, folder)) &&
        folder[0]) {
        candidates.push_back(Format("%s\\%s", folder, kReplyPageName));
    }
    char windows[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        candidates.push_back(Format("%s\\Temp\\%s", windows, kReplyPageName));
    }
    return candidates;
}

std::optional<std::string> SaveReplyPage(const std::string& reply,
                                         const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        if (WriteWhole(path, reply)) {
            return path;
        }
    }
    return std::nullopt;
}

bool OpenReplyPage(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace tarvik
