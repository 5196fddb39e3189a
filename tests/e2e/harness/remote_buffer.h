#pragma once
// Memory inside another process, for the common-control messages that carry pointers and that
// the window system does not copy across processes (TCM_GETITEMA and the like).
#include <windows.h>

#include <cstddef>

#include "base/win32/handles.h"

namespace tarvik::e2e {

class RemoteBuffer {
  public:
    // Opens the process that owns window and reserves size bytes in it; check Valid().
    RemoteBuffer(HWND window, std::size_t size);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    bool Valid() const { return address_ != nullptr; }
    // The address as the other process sees it, at offset bytes into the buffer.
    void* Address(std::size_t offset = 0) const;
    bool Write(std::size_t offset, const void* data, std::size_t size) const;
    bool Read(std::size_t offset, void* data, std::size_t size) const;

  private:
    KernelHandle process_;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace tarvik::e2e
