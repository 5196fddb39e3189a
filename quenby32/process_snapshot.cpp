#include "quenby32/process_snapshot.h"

#include "base/win32/handles.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>

namespace tarvik::quenby {

std::optional<std::vector<ProcessEntry>> TakeProcessSnapshot() {
    FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return std::nullopt;
    }
    std::vector<ProcessEntry> list;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        list.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    }
    if (list.empty()) {
        return std::nullopt;
    }
    return list;
}

std::optional<std::vector<std::uint32_t>> ListProcessIds() {
    std::vector<DWORD> ids(512);
    for (;;) {
        const DWORD capacity = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD filled = 0;
        if (!EnumProcesses(ids.data(), capacity, &filled)) {
            return std::nullopt;
        }
        if (filled < capacity) {  // a full buffer may have cut the list short
            ids.resize(filled / sizeof(DWORD));
            break;
        }
        ids.resize(ids.size() * 2);
    }
    std::vector<std::uint32_t> sorted(ids.begin(), ids.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace tarvik::quenby
