#include "sysinfo/system_facts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tarvik {
namespace {

TEST(SystemFacts, ClockFromCycleCounts) {
    const struct {
        std::int64_t busy;
        std::int64_t overhead;
        std::int32_t mhz;
    } rows[] = {
        {1800LL * 50 * 1000 + 12345, 12345, 1800},
        {2400LL * 50 * 1000 + 49999, 0, 2400},  // remainders are discarded, not rounded
        {99999999, 0, 1999},                    // rounding would give 2000
        {5000000, 5000000, 0},
        {49999, 0, 0},
        {-1, -1, 0},            // both measurements faulted
        {0, 100000000, -2000},  // truncation toward zero below zero too
        {0, 99999999, -1999},
        {4000LL * 50 * 1000, 0, 4000},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ClockMhzFromCounts(row.busy, row.overhead), row.mhz)
            << row.busy << " - " << row.overhead;
    }
}

TEST(SystemFacts, MemoryMegabytes) {
    const struct {
        std::uint64_t bytes;
        unsigned megabytes;
    } rows[] = {
        {1073741824u, 1025},  // exactly 1 GB shows one more
        {536281088u, 512},    // what Windows reports for 512 MB
        {268435456u - 4096u, 256}, {0, 1}, {1048575u, 1}, {1048576u, 2},
        {4294967296u, 4097},  // past 32 bits
        {68719476736u, 65537},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MemoryMegabytes(row.bytes), row.megabytes) << row.bytes;
    }
}

TEST(SystemFacts, OperatingSystemNames) {
    const struct {
        unsigned major;
        unsigned minor;
        unsigned build;
        const char* name;
    } rows[] = {
        {4, 0, 950, "Windows 95"},
        {4, 0, 1381, "Windows 95"},  // NT 4.0: the platform is not looked at
        {4, 10, 1998, "Windows 98"},
        {4, 90, 3000, "Windows ME"},
        {4, 3, 0, "Unknown 9x"},
        {4, 1, 0, "Unknown 9x"},
        {5, 0, 2195, "Windows 2000"},
        {5, 1, 2600, "Windows XP"},
        {5, 1, 22000, "Windows XP"},
        {5, 2, 3790, "Windows Server 2003"},
        {5, 3, 0, "Unknown"},
        {3, 51, 1057, "Unknown"},
        {6, 0, 6002, "Windows Vista"},
        {6, 1, 7601, "Windows 7"},
        {6, 2, 9200, "Windows 8"},
        {6, 3, 9600, "Windows 8.1"},
        {6, 4, 9841, "Unknown"},
        {10, 0, 19045, "Windows 10"},
        {10, 0, 21999, "Windows 10"},
        {10, 0, 22000, "Windows 11"},
        {10, 0, 26100, "Windows 11"},
        {10, 1, 22000, "Unknown"},
        {11, 0, 0, "Unknown"},
        {0, 0, 0, "Unknown"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(GetOsName(row.major, row.minor, row.build), row.name)
            << row.major << "." << row.minor << "." << row.build;
    }
}

TEST(SystemFacts, PostedFields) {
    EXPECT_EQ(OsField(GetOsName(5, 1, 2600)), "os=Windows XP");
    EXPECT_EQ(OsField(GetOsName(4, 0, 1381)), "os=Windows 95");
    EXPECT_EQ(OsField(GetOsName(7, 0, 0)), "os=Unknown");
    EXPECT_EQ(GameVersionField("2225"), "ver=2225");
    EXPECT_EQ(GameVersionField(""), "ver=");
    EXPECT_EQ(GameVersionField("100%s"), "ver=100%s");
}

TEST(SystemFacts, MainTabLines) {
    const struct {
        std::string name;
        std::int32_t mhz;
        std::string line;
    } rows[] = {
        {"AMD Athlon(tm) XP 2400+", 2000, "AMD Athlon(tm) XP 2400+  @ 2000MHz"},
        {"", -1, "  @ -1MHz"},
        // A classical name that ends in a blank leaves three blanks before the at sign.
        {"Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache ", 866,
         "Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache   @ 866MHz"},
        {"50% CPU", 0, "50% CPU  @ 0MHz"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ProcessorLine(row.name, row.mhz), row.line);
    }
    EXPECT_EQ(MemoryLine(MemoryMegabytes(1073741824u)), "1025 MB Ram");
    EXPECT_EQ(MemoryLine(4294967295u), "4294967295 MB Ram");
}

}  // namespace
}  // namespace tarvik
