#include "tests/e2e/harness/remote_buffer.h"

namespace tarvik::e2e {

RemoteBuffer::RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_.Reset(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (process_) {
        address_ =
            VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

RemoteBuffer::~RemoteBuffer() {
    if (address_) {
        VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
    }
}

void* RemoteBuffer::Address(std::size_t offset) const {
    return static_cast<char*>(address_) + offset;
}

bool RemoteBuffer::Write(std::size_t offset, const void* data, std::size_t size) const {
    SIZE_T written = 0;
    return Valid() && offset + size <= size_ &&
           WriteProcessMemory(process_.Get(), Address(offset), data, size, &written) &&
           written == size;
}

bool RemoteBuffer::Read(std::size_t offset, void* data, std::size_t size) const {
    SIZE_T read = 0;
    return Valid() && offset + size <= size_ &&
           ReadProcessMemory(process_.Get(), Address(offset), data, size, &read) && read == size;
}

}  // namespace tarvik::e2e
