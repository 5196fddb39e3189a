#include "sysinfo/win32/video_card.h"

#include <windows.h>
#include <d3d8.h>

#include <cstring>
#include <memory>

#include "base/win32/handles.h"

namespace tarvik {
namespace {

// D3D_SDK_VERSION of DirectX 8.1: the interface the program was written against.
constexpr UINT kDirect3D8SdkVersion = 220;
// D3DENUM_NO_WHQL_LEVEL: asking for the WHQL level can take seconds.
constexpr DWORD kNoWhqlLevel = 2;

using Direct3DCreate8Function = IDirect3D8*(WINAPI*)(UINT);

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

}  // namespace

VideoCard ReadVideoCard() {
    VideoCard card;
    const LoadedModule library(LoadLibraryA("d3d8.dll"));
    if (!library) {
        return card;
    }
    const auto create = reinterpret_cast<Direct3DCreate8Function>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "Direct3DCreate8")));
    if (!create) {
        return card;
    }
    // Declared after the library, so released before it is freed.
    const std::unique_ptr<IDirect3D8, ComRelease> direct3d(create(kDirect3D8SdkVersion));
    if (!direct3d) {
        return card;
    }
    card.direct3dAvailable = true;
    D3DADAPTER_IDENTIFIER8 identifier{};
    if (SUCCEEDED(direct3d->GetAdapterIdentifier(0, kNoWhqlLevel, &identifier))) {
        const char* text = identifier.Description;
        card.description = std::string(text, strnlen(text, sizeof(identifier.Description)));
    }
    return card;
}

}  // namespace tarvik
