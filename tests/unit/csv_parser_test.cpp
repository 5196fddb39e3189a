#include "results/csv_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/format.h"

namespace tarvik {
namespace {

constexpr const char* kFlybyRunLine =
    "dm-antalus?spectatoronly=1?attractcam=1?quickstart=1?numbots=0 -benchmark -seconds=77 "
    "-exec=..\\Benchmark\\Stuff\\flybyexec.txt -1024x768";

// A file laid out as the game writes it, with the given run line and data lines.
std::string GameCsv(const std::vector<std::string>& dataLines,
                    const std::string& runLine = kFlybyRunLine, const char* lineEnd = "\n") {
    std::string text;
    for (const std::string& line :
         {std::string("Unreal Tournament 2003 build 2225 benchmark"),
          std::string("Windows XP 5.1 (Build: 2600) Service Pack 1"),
          std::string("Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400 MHz"),
          std::string("NVIDIA GeForce4 Ti 4600"), std::string("timedemo"), runLine,
          std::string("Frame time (ms),Polys,Actors,Draw (ms)"), std::string("")}) {
        text += line + lineEnd;
    }
    for (const std::string& line : dataLines) {
        text += line + lineEnd;
    }
    return text;
}

// Subframe k (from 1) takes k milliseconds: every counted range has a plain mean.
std::vector<std::string> RampLines(int count) {
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(Format("%d.000000,%d,56,7.5", k, 1000 + k));
    }
    return lines;
}

ResultSettings Settings(int startSubframe, bool averageBySecond = false) {
    ResultSettings settings;
    settings.startSubframe = startSubframe;
    settings.averageBySecond = averageBySecond;
    return settings;
}

struct RateCase {
    const char* name;
    int startSubframe;
    bool averageBySecond;
    int zeroAtSubframe;  // 0: none
    const char* summary;
    std::vector<float> points;
};

TEST(CsvParser, RatesAndPerSecondPointsOfHundredSubframes) {
    // 100 lines of k ms; the 100th is never counted. Expected means worked by hand, e.g.
    // start 10: subframes 10..99, mean 54.5 ms; points over 10..30, 31..60, 61..90.
    const RateCase cases[] = {
        {"start 1",
         1,
         false,
         0,
         "10.101010 / 20.000000 / 1000.000000",
         {64.5161285f, 21.9780216f, 13.2450333f}},
        {"start 10",
         10,
         false,
         0,
         "10.101010 / 18.348624 / 100.000000",
         {50.0f, 21.9780216f, 13.2450333f}},
        {"start 30: a first point of one subframe",
         30,
         false,
         0,
         "10.101010 / 15.503876 / 33.333333",
         {33.3333321f, 21.9780216f, 13.2450333f}},
        {"start 45: first point at 60",
         45,
         false,
         0,
         "10.101010 / 13.888889 / 22.222222",
         {19.0476189f, 13.2450333f}},
        {"start 100: nothing counted", 100, false, 0, "0.000000 / 0.000000 / 0.000000", {}},
        {"zero at 50 ends the data, 49 not counted",
         10,
         false,
         50,
         "20.833333 / 34.482759 / 100.000000",
         {50.0f}},
        {"zero on the first data line counts but is no minimum",
         1,
         false,
         1,
         "10.101010 / 20.004041 / 500.000000",
         {64.6551743f, 21.9780216f, 13.2450333f}},
        {"zero on the first data line before the start",
         10,
         false,
         1,
         "10.101010 / 18.348624 / 100.000000",
         {50.0f, 21.9780216f, 13.2450333f}},
        {"average by second",
         10,
         true,
         0,
         "13.245033 / 28.407685 / 50.000000",
         {50.0f, 21.9780216f, 13.2450333f}},
        {"average by second from 45",
         45,
         true,
         0,
         "13.245033 / 16.146326 / 19.047619",
         {19.0476189f, 13.2450333f}},
    };
    for (const RateCase& c : cases) {
        std::vector<std::string> lines = RampLines(100);
        if (c.zeroAtSubframe > 0) {
            lines[static_cast<std::size_t>(c.zeroAtSubframe - 1)] = "0.000000,1000,56,7.5";
        }
        const MapResult record =
            ParseCsvText(GameCsv(lines), Settings(c.startSubframe, c.averageBySecond));
        EXPECT_EQ(record.summary, c.summary) << c.name;
        EXPECT_EQ(record.summary,
                  Format("%f / %f / %f", record.lowFps, record.avgFps, record.highFps))
            << c.name;
        EXPECT_EQ(record.perSecondFps, c.points) << c.name;
        EXPECT_EQ(record.perSecondCount, static_cast<int>(c.points.size())) << c.name;
    }
}

TEST(CsvParser, UncomputableRatesReadAsZero) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        ResultSettings settings;
        const char* summary;
    };
    const Case cases[] = {
        {"no data lines", {}, Settings(10), "0.000000 / 0.000000 / 0.000000"},
        {"one data line, never counted", {"16.6,1"}, Settings(1), "0.000000 / 0.000000 / 0.000000"},
        {"only a counted zero", {"0,1", "16.6,1"}, Settings(1), "0.000000 / 0.000000 / 0.000000"},
        {"no positive frame time",
         {"-16,1", "-20,1", "-16,1"},
         Settings(1),
         "0.000000 / 0.000000 / 0.000000"},
        {"average by second without a point", RampLines(20), Settings(1, true),
         "0.000000 / 0.000000 / 0.000000"},
        {"frame times summing to zero",
         {"5,1", "-5,1", "5,1"},
         Settings(1),
         "200.000000 / 0.000000 / -200.000000"},
        {"start beyond the data", RampLines(40), Settings(100), "0.000000 / 0.000000 / 0.000000"},
    };
    for (const Case& c : cases) {
        const MapResult record = ParseCsvText(GameCsv(c.lines), c.settings);
        EXPECT_EQ(record.summary, c.summary) << c.name;
        for (const double rate : {record.lowFps, record.avgFps, record.highFps}) {
            EXPECT_TRUE(std::isfinite(rate)) << c.name;
        }
    }
}

TEST(CsvParser, ModeAndResolutionComeFromTheOptionsOfTheRunLine) {
    struct Case {
        const char* runLine;
        const char* mapName;
        const char* mode;
        const char* resolution;
    };
    const Case cases[] = {
        {kFlybyRunLine, "dm-antalus", "flyby", "1024x768"},
        {"dm-asbestos?numbots=8 -exec=..\\Benchmark\\Stuff\\botmatchexec.txt -1280x1024",
         "dm-asbestos", "botmatch", "1280x1024"},
        {"dm-asbestos?flybyexec.txt -1280x960", "dm-asbestos", "flyby", "1280x960"},
        {"dm-x?-800x600", "dm-x", "botmatch", "800x600"},
        {"dm-x?-1600x1200", "dm-x", "botmatch", "1600x1200"},
        {"dm-x?-640x480", "dm-x", "botmatch", "640x480"},
        {"dm-x?-1152x864", "dm-x", "botmatch", ""},
        // The list is tried in its order, not by position in the line.
        {"dm-x?-1600x1200 -640x480", "dm-x", "botmatch", "640x480"},
        // What lies before the "?" is the map name only.
        {"flybyexec-1024x768?numbots=0", "flybyexec-1024x768", "botmatch", ""},
        // A run line without "?" is all map name.
        {"dm-antalus -flybyexec -1024x768", "dm-antalus -flybyexec -1024x", "botmatch", ""},
        {"", "", "botmatch", ""},
    };
    for (const Case& c : cases) {
        const MapResult record = ParseCsvText(GameCsv(RampLines(5), c.runLine), {});
        EXPECT_EQ(record.mapName, c.mapName) << c.runLine;
        EXPECT_EQ(record.mode, c.mode) << c.runLine;
        EXPECT_EQ(record.resolution, c.resolution) << c.runLine;
    }
}

TEST(CsvParser, ProcessorClockFromTheThirdHeader) {
    struct Case {
        const char* header3;
        int cpuMhz;
    };
    const Case cases[] = {
        {"Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400 MHz", 2400},
        {"Intel(R) Pentium(R) 4 CPU 2.40GHz @2400MHz", 0},
        {"Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400MHz", 0},
        {"AMD Athlon(tm) XP 2100+ @   1733   MHz", 1733},
        {"@ 800 MHz", 800},
        {"Pentium III 1000 MHz", 0},
        {"Athlon @ 1.2 GHz", 0},
        {"Athlon @ fast MHz", 0},
        // The first "@" and the last "MHz" bound the clock text.
        {"CPU @ 2400 MHz (measured @ 2398 MHz)", 2400},
        {"CPU @ 2400 MHz, bus 133 MHz", 2400},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CpuMhzFromHeader(c.header3), c.cpuMhz) << c.header3;
    }
    EXPECT_EQ(ParseCsvText(GameCsv(RampLines(3)), {}).cpuMhz, 2400);
}

TEST(CsvParser, FirstFieldReadsAsTheCLibraryReadsALeadingNumber) {
    struct Case {
        const char* line;
        double value;
    };
    const Case cases[] = {
        {"16.666667,1234,56", 16.666667},
        {"33,1", 33.0},
        {" \t 12.5,1", 12.5},
        {"+7.25,1", 7.25},
        {"-3.5,1", -3.5},
        {".5,1", 0.5},
        {"1e3,1", 1000.0},
        {"2.5E-1,1", 0.25},
        {"1e,1", 1.0},
        {"0x1A,1", 26.0},
        {"12abc,1", 12.0},
        {"abc,1", 0.0},
        {",16.6", 0.0},
        {"", 0.0},
        {"+-1,1", 0.0},
        {"inf,1", 0.0},
        {"nan,1", 0.0},
        {"1e999,1", 0.0},
        // Only the first 19 characters of the field are read.
        {"1234567890123456789012,1", 1234567890123456789.0},
        {"0.00000000000000000005", 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadFirstField(c.line), c.value) << c.line;
    }
}

TEST(CsvParser, OverLongLinesKeepTheirStartAndNeverShiftTheLinesAfterThem) {
    std::vector<std::string> data = RampLines(100);
    data[19] += "," + std::string(20000, '9');  // a data line past any fixed buffer
    std::string text;
    text += std::string(150, 'A') + "\n";
    text += "Windows XP\n";
    text += std::string(120, 'C') + " @ 1800 MHz\n";  // the clock lies past the kept part
    text += "Radeon 9700\n";
    text += std::string(40, '5') + "\n";
    text += std::string(40, 'm') + "?" + std::string(489, '.') + "flybyexec -1280x960\n";
    text += std::string(12000, ',') + "\n";
    text += "\n";
    for (const std::string& line : data) {
        text += line + "\n";
    }
    const MapResult record = ParseCsvText(text, Settings(10));
    EXPECT_EQ(record.header1, std::string(98, 'A'));
    EXPECT_EQ(record.header2, "Windows XP");
    EXPECT_EQ(record.header3, std::string(98, 'C'));
    EXPECT_EQ(record.cpuMhz, 0);
    EXPECT_EQ(record.header4, "Radeon 9700");
    EXPECT_EQ(record.mapName, std::string(28, 'm'));
    EXPECT_EQ(record.mode, "flyby");   // "flybyexec" ends at the 498th character
    EXPECT_EQ(record.resolution, "");  // past the kept part
    EXPECT_EQ(record.summary, "10.101010 / 18.348624 / 100.000000");
    EXPECT_EQ(record.perSecondCount, 3);

    std::string oneLater = text;
    oneLater.insert(oneLater.find("flybyexec"), ".");
    EXPECT_EQ(ParseCsvText(oneLater, Settings(10)).mode, "botmatch");
}

TEST(CsvParser, MissingLinesGiveEmptyTextsAndZeros) {
    const MapResult record = ParseCsvText("first\nsecond\nthird @ 900 MHz", {});
    EXPECT_EQ(record.header1, "first");
    EXPECT_EQ(record.header2, "second");
    EXPECT_EQ(record.header3, "third @ 900 MHz");
    EXPECT_EQ(record.cpuMhz, 900);
    EXPECT_EQ(record.header4, "");
    EXPECT_EQ(record.mapName, "");
    EXPECT_EQ(record.mode, "botmatch");
    EXPECT_EQ(record.resolution, "");
    EXPECT_EQ(record.summary, "0.000000 / 0.000000 / 0.000000");
    EXPECT_TRUE(record.perSecondFps.empty());
    EXPECT_EQ(record.perSecondCount, 0);
}

TEST(CsvParser, CarriageReturnLineFeedIsOneLineEnd) {
    const MapResult lf = ParseCsvText(GameCsv(RampLines(100)), {});
    const MapResult crlf = ParseCsvText(GameCsv(RampLines(100), kFlybyRunLine, "\r\n"), {});
    EXPECT_EQ(crlf.header4, "NVIDIA GeForce4 Ti 4600");
    EXPECT_EQ(crlf.resolution, "1024x768");
    EXPECT_EQ(crlf.summary, lf.summary);
    EXPECT_EQ(crlf.perSecondFps, lf.perSecondFps);
}

class TempFile {
  public:
    TempFile() {
        std::random_device random;
        path_ = (std::filesystem::temp_directory_path() /
                 Format("tarvik-csv-parser-%08x.csv", static_cast<unsigned>(random())))
                    .string();
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void Write(const std::string& text) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

TEST(CsvParser, ReadsFilesOfAnySizeThroughOneReusedBuffer) {
    TempFile file;
    CsvReader reader;
    // 3000 lines is several times the first read; the short file after it must not see any
    // of its data.
    file.Write(GameCsv(RampLines(3000)));
    const std::optional<MapResult> large = reader.Parse(file.path(), {});
    ASSERT_TRUE(large.has_value());
    EXPECT_EQ(large->perSecondCount, 99);
    EXPECT_EQ(large->mapName, "dm-antalus");

    file.Write(GameCsv(RampLines(100)));
    const std::optional<MapResult> small = reader.Parse(file.path(), {});
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(small->summary, "10.101010 / 18.348624 / 100.000000");
    EXPECT_EQ(small->perSecondCount, 3);

    file.Write("");
    const std::optional<MapResult> empty = ParseCsv(file.path(), {});
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->summary, "0.000000 / 0.000000 / 0.000000");
}

TEST(CsvParser, FileThatCannotBeOpenedGivesNoRecord) {
    TempFile file;  // never written
    EXPECT_FALSE(ParseCsv(file.path(), {}).has_value());
    EXPECT_FALSE(ParseCsv(std::filesystem::temp_directory_path().string(), {}).has_value());
}

}  // namespace
}  // namespace tarvik
