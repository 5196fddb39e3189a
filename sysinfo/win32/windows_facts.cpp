#include "sysinfo/win32/windows_facts.h"

#include <windows.h>

namespace tarvik {
namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);

bool VersionFromNtdll(WindowsVersion& version) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");  // always loaded; not ours to free
    if (!ntdll) {
        return false;
    }
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (!rtlGetVersion) {
        return false;
    }
    RTL_OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) != 0) {
        return false;
    }
    version = {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
    return true;
}

}  // namespace

WindowsVersion TrueWindowsVersion() {
    WindowsVersion version;
    if (VersionFromNtdll(version)) {
        return version;
    }
    // Systems before RtlGetVersion (the 9x family) do not lie.
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (GetVersionExA(&info)) {
        // On the 9x family the high word of the build number repeats major and minor.
        version = {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber & 0xFFFFu};
    }
    return version;
}

std::uint64_t TotalPhysicalMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status)) {
        return 0;
    }
    return status.ullTotalPhys;
}

}  // namespace tarvik
