#include "app/win32/self_check.h"

#include <windows.h>

#include <vector>

#include "base/win32/handles.h"

namespace tarvik {

ImageCheck CheckOwnImage() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return ImageCheck::NotAnImage;
    }
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return ImageCheck::NotAnImage;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > (1 << 30)) {
        return ImageCheck::NotAnImage;
    }
    std::vector<std::uint8_t> image(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.Get(), image.data(), static_cast<DWORD>(image.size()), &read, nullptr) ||
        read != image.size()) {
        return ImageCheck::NotAnImage;
    }
    return VerifyPeChecksum(image);
}

}  // namespace tarvik
