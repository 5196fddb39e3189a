#include "widgets/win32/hand_cursor.h"

#include "base/win32/handles.h"

namespace tarvik {

namespace {

constexpr const char* kHelpViewerFile = "\\winhlp32.exe";
constexpr int kHelpViewerHandCursor = 106;

}  // namespace

std::string HelpViewerPath() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::string(folder) + kHelpViewerFile;
}

OwnedIcon HelpViewerHandCursor(const std::string& viewerPath) {
    if (viewerPath.empty()) {
        return {};
    }
    // Only its resources are wanted; none of its code runs.
    const LoadedModule viewer(
        LoadLibraryExA(viewerPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    return CopiedCursor(viewer.Get(), kHelpViewerHandCursor);
}

OwnedIcon CopiedCursor(HINSTANCE module, int cursorId) {
    HCURSOR shared = module ? LoadCursorA(module, MAKEINTRESOURCEA(cursorId)) : nullptr;
    return OwnedIcon(shared ? CopyCursor(shared) : nullptr);
}

}  // namespace tarvik
