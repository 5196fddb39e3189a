#include "upload/form_body.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

MapResult Rates(double low, double avg, double high) {
    MapResult record;
    record.lowFps = low;
    record.avgFps = avg;
    record.highFps = high;
    return record;
}

// Round numbers whose check value is easy to follow by hand: botmatch 50, flyby 75, score 125,
// and 50/75*125/100/50*20*40/125*160*25/40/100*60*80/10 = 51.2 (the server's verify.php agrees).
std::vector<MapResult> HandRecords() {
    std::vector<MapResult> records = {Rates(10, 40, 80), Rates(20, 60, 100), Rates(25, 50, 125),
                                      Rates(40, 100, 160)};
    records[0].cpuMhz = 2000;
    records[0].header4 = "NVIDIA GeForce4 Ti 4200";
    records[1].cpuMhz = 1;  // only record 0's clock and card are sent
    records[1].header4 = "other card";
    return records;
}

UploadMachine HandMachine() {
    UploadMachine machine;
    machine.gameVersionField = "ver=2225";
    machine.processorName = "AMD Athlon(tm) XP 2400+ & more";
    machine.totalMemoryBytes = 536281088;
    machine.osName = "Windows XP";
    return machine;
}

TEST(FormBody, MatchesTheHandComputedBodyByteForByte) {
    EXPECT_EQ(UploadFormBody(HandMachine(), HandRecords()),
              "ver=2225&cpu=AMD Athlon(tm) XP 2400+ & more&mhz=2000&mem=512&os=Windows XP"
              "&vid=NVIDIA GeForce4 Ti 4200&score=125.000000&botmatch=50.000000&flyby=75.000000"
              "&map1=10.000000|40.000000|80.000000&map2=20.000000|60.000000|100.000000"
              "&map3=25.000000|50.000000|125.000000&map4=40.000000|100.000000|160.000000"
              "&verify=51.200000");
}

TEST(FormBody, VerifyFollowsTheStatedOrder) {
    // Unround rates, where another order of the same factors rounds differently in the last
    // bit; the value is what the server's verify.php computes for them, printed with %.17g.
    const std::vector<MapResult> records = {Rates(13.7, 41.3, 97.1), Rates(17.9, 58.3, 111.7),
                                            Rates(23.3, 61.7, 143.9), Rates(29.1, 77.7, 171.3)};
    const StandardScore score = ScoreOf(records);
    EXPECT_EQ(VerifyValue(score, records), 46.423183077170052);
}

TEST(FormBody, MemoryIsWholeMegabytesPlusOne) {
    const struct {
        std::uint64_t bytes;
        const char* field;
    } cases[] = {
        {536281088, "&mem=512&"},
        {536870912, "&mem=513&"},
        {0, "&mem=1&"},
        {8ull << 30, "&mem=8193&"},
    };
    for (const auto& c : cases) {
        UploadMachine machine = HandMachine();
        machine.totalMemoryBytes = c.bytes;
        EXPECT_NE(UploadFormBody(machine, HandRecords()).find(c.field), std::string::npos)
            << c.bytes;
    }
}

TEST(FormBody, TextsGoInUnencoded) {
    UploadMachine machine = HandMachine();
    machine.gameVersionField = "ver=";
    machine.processorName = "Intel(R) Pentium(R) 4 CPU 2.40GHz %20+&x=1";
    machine.osName = "Unknown 9x";
    std::vector<MapResult> records = HandRecords();
    records[0].header4 = "RADEON 9700 PRO (Omega 2.4.96a)";
    const std::string body = UploadFormBody(machine, records);
    EXPECT_EQ(body.rfind("ver=&cpu=Intel(R) Pentium(R) 4 CPU 2.40GHz %20+&x=1&mhz=2000&", 0), 0u)
        << body;
    EXPECT_NE(body.find("&os=Unknown 9x&vid=RADEON 9700 PRO (Omega 2.4.96a)&score="),
              std::string::npos);
    EXPECT_EQ(body.find('\n'), std::string::npos);
}

TEST(FormBody, MapFieldsFollowRecordOrderWhateverTheMaps) {
    std::vector<MapResult> records = HandRecords();
    records[0].mapName = "DM-Asbestos";
    records[1].mapName = "DM-Antalus";
    const std::string body = UploadFormBody(HandMachine(), records);
    EXPECT_LT(body.find("&map1=10.000000|"), body.find("&map2=20.000000|"));
    EXPECT_LT(body.find("&map2=20.000000|"), body.find("&map3=25.000000|"));
    EXPECT_LT(body.find("&map3=25.000000|"), body.find("&map4=40.000000|"));
}

}  // namespace
}  // namespace tarvik
