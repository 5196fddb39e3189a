#include "tests/e2e/harness/screenshot.h"

#include <vector>

#include "base/win32/handles.h"
#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/registry.h"

namespace tarvik::e2e {

namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() {
        if (dc) {
            ReleaseDC(nullptr, dc);
        }
    }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc) {
            DeleteDC(dc);
        }
    }
};

struct Bitmap {
    HBITMAP bitmap;
    Bitmap(HDC like, int width, int height) : bitmap(CreateCompatibleBitmap(like, width, height)) {}
    ~Bitmap() {
        if (bitmap) {
            DeleteObject(bitmap);
        }
    }
};

// Bottom-up rows padded to four bytes: the layout of both GetDIBits and the BMP file.
int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

bool WriteBmp(const std::string& path, int width, int height, const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    // Written beside and then moved into place, so that nobody converting the folder meanwhile
    // sees half a picture.
    const std::string partial = path + ".partial";
    FileHandle handle(CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        return false;
    }
    const auto write = [&handle](const void* data, size_t size) {
        DWORD written = 0;
        return WriteFile(handle.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
               written == size;
    };
    bool ok = write(&file, sizeof file) && write(&info, sizeof info) &&
              write(pixels.data(), pixels.size());
    handle.Reset();
    ok = ok && MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!ok) {
        DeleteFileA(partial.c_str());
    }
    return ok;
}

}  // namespace

::testing::AssertionResult SaveScreenshot(HWND hwnd, const std::string& name) {
    RECT rect = {};
    if (!IsWindow(hwnd) || !GetWindowRect(hwnd, &rect)) {
        return ::testing::AssertionFailure() << "no window to photograph for \"" << name << "\"";
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return ::testing::AssertionFailure() << "the window for \"" << name << "\" is empty ("
                                             << width << " by " << height << ")";
    }
    ScreenDc screen;
    MemoryDc memory(screen.dc);
    Bitmap bitmap(screen.dc, width, height);
    if (!screen.dc || !memory.dc || !bitmap.bitmap) {
        return ::testing::AssertionFailure()
               << "no device context for the screenshot \"" << name << "\"";
    }
    HGDIOBJ previous = SelectObject(memory.dc, bitmap.bitmap);
    const bool copied =
        BitBlt(memory.dc, 0, 0, width, height, screen.dc, rect.left, rect.top, SRCCOPY) != FALSE;
    SelectObject(memory.dc, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>(RowBytes(width)) * height);
    if (!copied || GetDIBits(memory.dc, bitmap.bitmap, 0, height, pixels.data(), &info,
                             DIB_RGB_COLORS) != height) {
        return ::testing::AssertionFailure() << "could not copy the screen for \"" << name << "\"";
    }
    const std::string path = JoinPath(ScreenshotFolder(), name + ".bmp");
    if (!WriteBmp(path, width, height, pixels)) {
        return ::testing::AssertionFailure()
               << "could not write " << path << ": " << ErrorText(GetLastError());
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tarvik::e2e
