#include "results/results_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvik {
namespace {

MapResult MachineRun(const std::string& map, int cpuMhz = 2400) {
    MapResult record;
    record.header1 = "UT2003 build 2225";
    record.header2 = "Windows XP 5.1";
    record.header3 = "Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400 MHz";
    record.cpuMhz = cpuMhz;
    record.header4 = "NVIDIA GeForce4 Ti 4600";
    record.mapName = map;
    record.mode = "flyby";
    record.resolution = "1024x768";
    record.summary = "41.322314 / 61.011474 / 98.716683";
    return record;
}

int SystemBlocks(const std::vector<std::string>& lines) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), "**** System Info ****"));
}

TEST(ResultsText, ListsTheSystemThenEachMap) {
    ResultSet results;
    results.Add(MachineRun("dm-antalus"));
    MapResult botmatch = MachineRun("dm-asbestos");
    botmatch.mode = "botmatch";
    botmatch.resolution = "";
    botmatch.summary = "0.000000 / 0.000000 / 0.000000";
    results.Add(botmatch);
    const std::vector<std::string> expected = {
        "**** System Info ****",
        "UT2003 build 2225",
        "Windows XP 5.1",
        "Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400 MHz",
        "NVIDIA GeForce4 Ti 4600",
        "",
        "**** Map results ****",
        "dm-antalus    flyby    1024x768",
        "41.322314 / 61.011474 / 98.716683",
        "",
        "**** Map results ****",
        "dm-asbestos    botmatch    ",
        "0.000000 / 0.000000 / 0.000000",
        "",
    };
    EXPECT_EQ(ResultsListLines(results), expected);
    EXPECT_TRUE(ResultsListLines(ResultSet()).empty());
}

TEST(ResultsText, SystemBlockRepeatsOnlyWhenTheMachineChanges) {
    struct Case {
        const char* name;
        void (*change)(MapResult&);
        int blocks;
    };
    const Case cases[] = {
        {"clock 10 MHz apart", [](MapResult& r) { r.cpuMhz += 10; }, 1},
        {"clock 11 MHz apart", [](MapResult& r) { r.cpuMhz += 11; }, 2},
        {"clock 11 MHz lower", [](MapResult& r) { r.cpuMhz -= 11; }, 2},
        {"processor text differs after the last @",
         [](MapResult& r) { r.header3 = "Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2405 MHz"; }, 1},
        {"processor text differs before the last @",
         [](MapResult& r) { r.header3 = "Intel(R) Pentium(R) 4 CPU 2.53GHz @ 2400 MHz"; }, 2},
        {"only the last @ splits the processor text",
         [](MapResult& r) { r.header3 = "Intel(R) @ Pentium(R) 4 CPU 2.40GHz @ 2400 MHz"; }, 2},
        {"header without @ against one with",
         [](MapResult& r) { r.header3 = "Intel(R) Pentium(R) 4 CPU 2.40GHz"; }, 2},
        {"first header", [](MapResult& r) { r.header1 += " "; }, 2},
        {"second header", [](MapResult& r) { r.header2 = "Windows 98"; }, 2},
        {"fourth header", [](MapResult& r) { r.header4 = "Radeon 9700"; }, 2},
        {"map, mode and rates only", [](MapResult& r) { r.mode = "botmatch"; }, 1},
    };
    for (const Case& c : cases) {
        ResultSet results;
        results.Add(MachineRun("dm-antalus"));
        MapResult second = MachineRun("dm-asbestos");
        c.change(second);
        results.Add(second);
        EXPECT_EQ(SystemBlocks(ResultsListLines(results)), c.blocks) << c.name;
    }
}

TEST(ResultsText, ProcessorTextsWithoutAtSignCountAsTheSame) {
    ResultSet results;
    MapResult first = MachineRun("dm-antalus");
    first.header3 = "Pentium III";
    MapResult second = MachineRun("dm-asbestos");
    second.header3 = "Athlon XP";
    results.Add(first);
    results.Add(second);
    EXPECT_EQ(SystemBlocks(ResultsListLines(results)), 1);
}

TEST(ResultsText, BlockBelongsToTheRecordThatStartsTheNewMachine) {
    ResultSet results;
    results.Add(MachineRun("one"));
    results.Add(MachineRun("two"));
    MapResult other = MachineRun("three", 1800);
    other.header3 = "AMD Athlon(tm) @ 1800 MHz";
    results.Add(other);
    const std::vector<std::string> lines = ResultsListLines(results);
    ASSERT_EQ(lines.size(), 6u + 4u + 4u + 6u + 4u);
    EXPECT_EQ(lines[14], "**** System Info ****");
    EXPECT_EQ(lines[17], "AMD Athlon(tm) @ 1800 MHz");
    EXPECT_EQ(lines[21], "three    flyby    1024x768");
}

}  // namespace
}  // namespace tarvik
