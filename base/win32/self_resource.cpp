#include "base/win32/self_resource.h"

#include "base/win32/handles.h"

namespace tarvik {

namespace {
// Some failing calls leave no error code; a failure must never read as success.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}
}  // namespace

CSelfXResource::CSelfXResource(int resourceId, std::string resourceType, HMODULE module)
    : resourceId_(resourceId), resourceType_(std::move(resourceType)), module_(module) {}

CSelfXResource::~CSelfXResource() {
    Discard();
}

DWORD CSelfXResource::Extract(const std::string& path) {
    if (!outputPath_.empty()) {
        if (const DWORD error = Discard()) {
            return error;
        }
    }
    outputPath_ = path;

    SetLastError(0);
    HRSRC resource = FindResourceA(module_, MAKEINTRESOURCEA(resourceId_), resourceType_.c_str());
    if (!resource) {
        return LastErrorOr(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    const DWORD size = SizeofResource(module_, resource);
    if (size == 0) {
        return LastErrorOr(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    HGLOBAL loaded = LoadResource(module_, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return LastErrorOr(ERROR_RESOURCE_DATA_NOT_FOUND);
    }

    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorOr(ERROR_CANNOT_MAKE);
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), data, size, &written, nullptr) || written < size) {
        const DWORD error = LastErrorOr(ERROR_WRITE_FAULT);
        file.Reset();
        if (DeleteFileA(path.c_str())) {
            outputPath_.clear();
        }
        return error;
    }
    return 0;
}

DWORD CSelfXResource::Discard() {
    if (outputPath_.empty()) {
        return 0;
    }
    if (!DeleteFileA(outputPath_.c_str())) {
        const DWORD error = LastErrorOr(ERROR_ACCESS_DENIED);
        // A file someone else already removed is discarded all the same; keeping its name would
        // refuse every later Extract.
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            return error;
        }
    }
    outputPath_.clear();
    return 0;
}

}  // namespace tarvik
