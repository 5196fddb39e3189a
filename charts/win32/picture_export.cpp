#include "charts/win32/picture_export.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>

namespace tarvik {

namespace {

// Releases a COM interface when it goes.
template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (pointer_) {
            pointer_->Release();
        }
    }
    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }

  private:
    Interface* pointer_ = nullptr;
};

// COM for the calls made here; a thread that already has it keeps it as it was.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }

  private:
    HRESULT result_;
};

struct GlobalTraits {
    using Handle = HGLOBAL;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle memory) { ::GlobalFree(memory); }
};
using GlobalMemory = UniqueHandle<GlobalTraits>;

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    wide.resize(wide.size() - 1);
    return wide;
}

bool WritePng(const std::wstring& path, const DibImage& image) {
    ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) ||
        FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)))) {
        return false;
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = static_cast<UINT>(image.width) * 4;
    // WritePixels takes a non-const buffer though it only reads it.
    auto* bytes = reinterpret_cast<BYTE*>(const_cast<DibPixel*>(image.pixels.data()));
    return SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat32bppBGR) &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.height), stride,
                                        stride * static_cast<UINT>(image.height), bytes)) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool CopyPictureToClipboard(HWND owner, const DibImage& image) {
    if (image.Empty()) {
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    const std::size_t size = sizeof(BITMAPINFOHEADER) + rowBytes * image.height;
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) {
        return false;
    }
    auto* bytes = static_cast<unsigned char*>(GlobalLock(memory.Get()));
    if (!bytes) {
        return false;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = image.width;
    header.biHeight = image.height;  // bottom-up, what every reader of CF_DIB takes
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::memcpy(bytes, &header, sizeof(header));
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(bytes + sizeof(header) + rowBytes * static_cast<std::size_t>(y),
                    &image.pixels[static_cast<std::size_t>(image.height - 1 - y) *
                                  static_cast<std::size_t>(image.width)],
                    rowBytes);
    }
    GlobalUnlock(memory.Get());
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_DIB, memory.Get()) != nullptr;
    if (placed) {
        memory.Release();  // the clipboard owns it now
    }
    CloseClipboard();
    return placed;
}

bool SavePicturePng(const std::string& path, const DibImage& image) {
    if (image.Empty()) {
        return false;
    }
    const std::string temporary = path + ".tmp";
    if (!WritePng(Wide(temporary), image)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tarvik
