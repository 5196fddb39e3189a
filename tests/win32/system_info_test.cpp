#include <windows.h>
#include <intrin.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "tests/common/temp_game_folder.h"
#include "sysinfo/system_facts.h"
#include "sysinfo/win32/cpu_info.h"
#include "sysinfo/win32/game_version.h"
#include "sysinfo/win32/system_facts_reader.h"
#include "sysinfo/win32/windows_facts.h"

namespace tarvik {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first processor's entries of the host's /proc/cpuinfo, read through Wine's Z: drive.
// Empty when the test does not run under Wine on Linux.
std::map<std::string, std::string> HostCpuInfo() {
    std::ifstream file("Z:\\proc\\cpuinfo");
    std::map<std::string, std::string> entries;
    std::string line;
    while (std::getline(file, line) && !Trimmed(line).empty()) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) {
            entries[Trimmed(line.substr(0, colon))] = Trimmed(line.substr(colon + 1));
        }
    }
    return entries;
}

// MemTotal of the host's /proc/meminfo in bytes, when there is one.
std::optional<std::uint64_t> HostMemoryBytes() {
    std::ifstream file("Z:\\proc\\meminfo");
    std::string key;
    std::uint64_t kilobytes = 0;
    while (file >> key >> kilobytes) {
        if (key == "MemTotal:") {
            return kilobytes * 1024;
        }
        file.ignore(256, '\n');
    }
    return std::nullopt;
}

// The time-stamp counter's rate in MHz, counted over about 200 ms of the performance counter.
double TimeStampCounterMhz() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&start);
    const std::uint64_t before = __rdtsc();
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < frequency.QuadPart / 5);
    const std::uint64_t after = __rdtsc();
    const double seconds = static_cast<double>(now.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    return static_cast<double>(after - before) / seconds / 1e6;
}

// The processor's brand string as the system keeps it for everyone: Windows (and Wine's
// start-up) read it from the processor when the system starts.
std::optional<std::string> SystemBrandString() {
    char brand[128] = "";
    DWORD size = sizeof(brand);
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     "ProcessorNameString", RRF_RT_REG_SZ, nullptr, brand,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(brand);
}

TEST(SystemInfo, ProcessorIsTheHostProcessor) {
    const CCpuInfo cpu;
    const CpuIdentity& identity = cpu.Identity();
    ASSERT_FALSE(cpu.GetProcessorName().empty());
    EXPECT_TRUE(identity.hasTsc) << "every x86-64 processor has a time-stamp counter";

    // Processors of the brand-string era: the name is the brand string (Intel's without its
    // leading blanks; an AMD one keeps its padding, which the system's copy may not).
    const auto brand = SystemBrandString();
    ASSERT_TRUE(brand.has_value()) << "the system does not tell its brand string";
    EXPECT_EQ(Trimmed(cpu.GetProcessorName()), Trimmed(*brand));

    // Family and model as the system counts them: with their extensions added in.
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const int family =
        identity.family == 15 ? identity.family + identity.extendedFamily : identity.family;
    const int model =
        identity.family >= 6 ? identity.model + 16 * identity.extendedModel : identity.model;
    EXPECT_EQ(system.wProcessorLevel, family);
    EXPECT_EQ(system.wProcessorRevision >> 8, model);

    // Under Wine on Linux, also the host's own view. Its "model name" is not compared: the
    // kernel keeps the name it read at boot, and a virtual machine restored on another host
    // (as this project's build machine is) answers CPUID with a different brand string since.
    const auto host = HostCpuInfo();
    if (host.count("vendor_id") != 0) {
        EXPECT_EQ(identity.vendor, host.at("vendor_id"));
    }
}

TEST(SystemInfo, ClockFollowsTheTimeStampCounter) {
    // The measurement busy-waits 50 ms and is disturbed by whatever else runs, so a loaded
    // machine gets a few tries.
    double reference = 0;
    std::int32_t clock = -1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const CCpuInfo cpu;
        clock = cpu.GetClockMHz();
        reference = TimeStampCounterMhz();
        if (std::fabs(clock - reference) <= reference * 0.03) {
            break;
        }
    }
    EXPECT_NEAR(clock, reference, reference * 0.03);
}

TEST(SystemInfo, MemoryIsTheTotalPhysicalMemory) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    EXPECT_EQ(TotalPhysicalMemoryBytes(), status.ullTotalPhys);
    // Not the old query's 32-bit figure: the host may well have more than 4 GiB.
    if (const auto host = HostMemoryBytes()) {
        EXPECT_NEAR(static_cast<double>(TotalPhysicalMemoryBytes()), static_cast<double>(*host),
                    4096.0);
    }
}

TEST(SystemInfo, WindowsVersionIsTheSystemsOwn) {
    const WindowsVersion version = TrueWindowsVersion();
    // The kernel's shared page carries the version too, untouched by any compatibility shim.
    const auto* shared = reinterpret_cast<const volatile ULONG*>(0x7FFE0000);
    EXPECT_EQ(version.major, shared[0x26C / 4]);
    EXPECT_EQ(version.minor, shared[0x270 / 4]);
    EXPECT_GT(version.build, 0u);
    const std::string name = GetOsName(version.major, version.minor, version.build);
    EXPECT_EQ(name.rfind("Windows ", 0), 0u) << name;
}

TEST(SystemInfo, ReadSystemFactsDescribesThisMachine) {
    const SystemFacts facts = ReadSystemFacts();
    const CCpuInfo cpu;
    EXPECT_EQ(facts.processorName, cpu.GetProcessorName());
    EXPECT_GT(facts.clockMhz, 0);
    EXPECT_EQ(facts.totalMemoryBytes, TotalPhysicalMemoryBytes());
    const WindowsVersion version = TrueWindowsVersion();
    EXPECT_EQ(facts.windowsVersion.major, version.major);
    EXPECT_EQ(facts.windowsVersion.minor, version.minor);
    EXPECT_EQ(facts.windowsVersion.build, version.build);
    if (facts.videoCard.direct3dAvailable) {
        ASSERT_TRUE(facts.videoCard.description.has_value());
        EXPECT_FALSE(facts.videoCard.description->empty());
    } else {
        EXPECT_FALSE(facts.videoCard.description.has_value());
    }
}

// ---- game version ----

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A game folder with a System folder, to look for the manifest in.
struct GameFolder : TempGameFolder {
    GameFolder() : TempGameFolder({GameSubfolder::System}) {}

    std::string Manifest() const { return FolderPath(GameSubfolder::System) + "\\Manifest.ini"; }
    void WriteManifest(const std::string& text) const {
        WriteFile(GameSubfolder::System, "Manifest.ini", text);
    }
    int SystemFileCount() const {
        int count = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(FolderPath(GameSubfolder::System))) {
            count += entry.is_regular_file() ? 1 : 0;
        }
        return count;
    }
};

TEST(SystemInfo, GameVersionComesFromTheManifest) {
    struct Case {
        const char* what;
        const char* manifest;  // nullptr: no manifest at all
        const char* version;
    };
    const Case cases[] = {
        {"released game", "[UT2003]\r\nversion=2225\r\n", "2225"},
        {"among other sections", "[Setup]\r\nGroup=UT2003\r\n\r\n[UT2003]\r\nVersion=2107\r\n",
         "2107"},
        {"section name in other case", "[ut2003]\r\nVERSION=2206\r\n", "2206"},
        {"key in another section only", "[Setup]\r\nversion=9\r\n", ""},
        {"no manifest", nullptr, ""},
        {"empty manifest", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameFolder game;
        if (c.manifest) {
            game.WriteManifest(c.manifest);
        }
        EXPECT_EQ(ReadGameVersion(game.Path()), c.version);
        // Reading leaves the manifest as it was and adds nothing beside it.
        if (c.manifest) {
            EXPECT_EQ(ReadWholeFile(game.Manifest()), c.manifest);
            EXPECT_EQ(game.SystemFileCount(), 1);
        } else {
            EXPECT_EQ(game.SystemFileCount(), 0) << "a missing manifest is not created";
        }
    }
}

}  // namespace
}  // namespace tarvik
