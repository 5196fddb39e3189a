// The simulated game's result files, read back with the front-end's own CSV reader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "bench/command_lines.h"
#include "results/csv_parser.h"
#include "tools/simgame/command_line.h"
#include "tools/simgame/detail_settings.h"
#include "tools/simgame/frame_model.h"
#include "tools/simgame/installation_files.h"
#include "tools/simgame/result_csv.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kGame = "C:\\Games\\UT2003";

// The detail ini files of a full installation, loaded as the game loads them.
class SimgameRunOutput : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ =
            new std::filesystem::path(std::filesystem::temp_directory_path() /
                                      ("simgame_run_output_test_" + std::to_string(getpid())));
        std::filesystem::create_directories(*folder_);
        InstallOptions options;
        options.withMaps = false;
        for (const InstallationFile& file : InstallationFiles(Edition::Full, options)) {
            const std::string name = file.relativePath.substr(file.relativePath.rfind('\\') + 1);
            std::ofstream(*folder_ / name, std::ios::binary) << file.contents;
            texts_[name] = file.contents;
        }
    }
    static void TearDownTestSuite() {
        std::filesystem::remove_all(*folder_);
        delete folder_;
        folder_ = nullptr;
    }

    static DetailSettings Detail(const std::string& systemIni, const std::string& userIni) {
        return LoadDetailSettings((*folder_ / systemIni).string(), (*folder_ / userIni).string());
    }
    static const DetailSettings& MaxDetail() {
        static const DetailSettings detail = Detail("MaxDetail.ini", "MaxDetailUser.ini");
        return detail;
    }
    static const DetailSettings& MinDetail() {
        static const DetailSettings detail = Detail("MinDetail.ini", "MinDetailUser.ini");
        return detail;
    }

    // The whole result file of one command line, as the game writes it.
    static std::string Csv(const std::string& commandLine, const DetailSettings& detail,
                           const std::string& iniText = "") {
        ParsedCommandLine line;
        std::string error;
        EXPECT_TRUE(ParseGameCommandLine(commandLine, &line, &error)) << error;
        RunSetup setup;
        setup.mapName = line.mapName;
        setup.mode = line.mode;
        setup.botCount = line.botCount;
        setup.seconds = line.seconds;
        setup.detail = detail;
        setup.resolution = line.resolution.value_or(Resolution{1024, 768});
        ResultHeader header{"Simulated CPU", 2400, "Simulated Direct3D 8 Adapter",
                            line.argumentText};
        return FormatResultCsv(
            header, SimulateRun(setup, line.argumentText, RunSeed(line.argumentText, iniText, "")));
    }

    static MapResult Read(const std::string& csv) { return ParseCsvText(csv, ResultSettings{}); }

    static inline std::filesystem::path* folder_ = nullptr;
    static inline std::map<std::string, std::string> texts_;
};

std::string Line(const std::string& map, const std::string& options, int seconds,
                 const std::string& resolution) {
    return GameCommandLine(
        kGame,
        map + options + " -exec=..\\Benchmark\\Stuff\\" +
            (options.find("numbots") == std::string::npos ? "flybyexec.txt" : "botmatchexec.txt") +
            " -benchmark -seconds=" + std::to_string(seconds) +
            " -nosound ini=a.ini userini=b.ini -" + resolution);
}

std::string ArgumentText(const std::string& commandLine) {
    return commandLine.substr(commandLine.find("\" ") + 2);
}

const std::string kFlyby = "?game=engine.gameinfo";
std::string Bots(int count) {
    return "?spectatoronly=true?numbots=" + std::to_string(count) +
           "?quickstart=true?attractcam=true";
}

TEST_F(SimgameRunOutput, StandardRunGivesExactly301PerSecondPoints) {
    const std::vector<std::string> lines = StandardRunCommandLines(kGame, "1024x768");
    ASSERT_EQ(lines.size(), 4u);
    const int seconds[] = {77, 70, 77, 77};
    const char* modes[] = {"flyby", "flyby", "botmatch", "botmatch"};
    const char* maps[] = {"dm-antalus", "dm-asbestos", "dm-antalus", "dm-asbestos"};
    int total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MapResult result = Read(Csv(lines[i], MaxDetail(), texts_["MaxDetail.ini"]));
        EXPECT_EQ(result.perSecondCount, seconds[i]) << lines[i];
        EXPECT_EQ(result.mode, modes[i]);
        EXPECT_EQ(result.mapName, maps[i]);
        EXPECT_EQ(result.resolution, "1024x768");
        EXPECT_EQ(result.cpuMhz, 2400);
        EXPECT_EQ(result.header4, "Simulated Direct3D 8 Adapter");
        total += result.perSecondCount;
    }
    EXPECT_EQ(total, 301);
}

// However the extra subframes fall, a run of s seconds gives s points with startSubframe 10 and
// between 30 s + 1 and 30 s + 30 data lines.
TEST_F(SimgameRunOutput, EveryRunLengthGivesOnePointPerSecond) {
    const char* const maps[] = {"dm-antalus", "ctf-face3", "dm-phobos2"};
    std::set<int> extras;
    for (int seconds = 1; seconds <= 100; ++seconds) {
        const std::string line = Line(maps[seconds % 3], kFlyby, seconds, "800x600");
        const int count = SubframeCount(seconds, ArgumentText(line));
        extras.insert(count - 30 * seconds);
        ASSERT_GE(count, 30 * seconds + 1) << line;
        ASSERT_LE(count, 30 * seconds + 30) << line;
        EXPECT_EQ(Read(Csv(line, MinDetail())).perSecondCount, seconds) << line;
    }
    // The extra lines really vary, so both ends of the range are exercised.
    EXPECT_GT(extras.size(), 20u);
    EXPECT_TRUE(extras.count(1) && extras.count(30));
}

TEST_F(SimgameRunOutput, FileLayoutAsTheFrontEndReadsIt) {
    const std::string line = Line("dm-inferno", Bots(8), 3, "1280x960");
    const std::string csv = Csv(line, MaxDetail());
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[2], "Simulated CPU @ 2400 MHz");
    EXPECT_LE(lines[4].size(), 9u) << "the reader skips at most 9 characters of line 5";
    EXPECT_EQ(lines[5], ArgumentText(line));
    EXPECT_EQ(lines.back().substr(0, 2), "0,");
    const int dataLines = static_cast<int>(lines.size()) - 9;
    EXPECT_EQ(dataLines, SubframeCount(3, lines[5]));
    for (int i = 8; i < 8 + dataLines; ++i) {
        EXPECT_GT(ReadFirstField(lines[i]), 0.0) << lines[i];
    }
    const MapResult result = Read(csv);
    EXPECT_EQ(result.mode, "botmatch");
    EXPECT_EQ(result.resolution, "1280x960");
    EXPECT_EQ(result.perSecondCount, 3);
}

TEST_F(SimgameRunOutput, SameInputsGiveTheSameBytes) {
    const std::string line = Line("dm-antalus", kFlyby, 20, "1024x768");
    const std::string first = Csv(line, MaxDetail(), texts_["MaxDetail.ini"]);
    EXPECT_TRUE(first == Csv(line, MaxDetail(), texts_["MaxDetail.ini"]));
    // Another ini text or another command line gives other frame times.
    EXPECT_FALSE(first == Csv(line, MaxDetail(), texts_["MaxDetail.ini"] + "\r\n"));
    std::string withUpt = line;
    withUpt.insert(line.rfind(" -"), " -UPT");
    EXPECT_FALSE(first == Csv(withUpt, MaxDetail(), texts_["MaxDetail.ini"]));
}

TEST_F(SimgameRunOutput, SlowerWhereTheRealGameIsSlower) {
    const struct {
        const char* what;
        std::string slowLine;
        bool slowMax;
        std::string fastLine;
        bool fastMax;
    } cases[] = {
        {"botmatch vs flyby", Line("dm-antalus", Bots(12), 60, "1024x768"), true,
         Line("dm-antalus", kFlyby, 60, "1024x768"), true},
        {"12 bots vs 4", Line("dm-asbestos", Bots(12), 60, "1024x768"), true,
         Line("dm-asbestos", Bots(4), 60, "1024x768"), true},
        {"1600x1200 vs 640x480", Line("ctf-face3", kFlyby, 60, "1600x1200"), true,
         Line("ctf-face3", kFlyby, 60, "640x480"), true},
        {"1280x1024 vs 1024x768", Line("dm-antalus", kFlyby, 60, "1280x1024"), true,
         Line("dm-antalus", kFlyby, 60, "1024x768"), true},
        {"max vs min detail", Line("dm-inferno", kFlyby, 60, "1024x768"), true,
         Line("dm-inferno", kFlyby, 60, "1024x768"), false},
        {"max vs min detail, botmatch", Line("br-icefields", Bots(12), 60, "800x600"), true,
         Line("br-icefields", Bots(12), 60, "800x600"), false},
        {"antalus vs asbestos", Line("dm-antalus", kFlyby, 60, "1024x768"), true,
         Line("dm-asbestos", kFlyby, 60, "1024x768"), true},
    };
    for (const auto& c : cases) {
        const double slow = Read(Csv(c.slowLine, c.slowMax ? MaxDetail() : MinDetail())).avgFps;
        const double fast = Read(Csv(c.fastLine, c.fastMax ? MaxDetail() : MinDetail())).avgFps;
        EXPECT_LT(slow, fast) << c.what;
    }
}

TEST_F(SimgameRunOutput, DetailSwitchesTakeEffect) {
    RunSetup setup;
    setup.mapName = "dm-antalus";
    setup.detail = MaxDetail();
    const double maxDetail = SteadyFrameMs(setup);
    const struct {
        const char* what;
        void (*change)(DetailSettings*);
        bool slower;
    } cases[] = {
        {"no hardware T&L", [](DetailSettings* d) { d->hardwareTL = false; }, true},
        {"16-bit colour", [](DetailSettings* d) { d->use16bit = true; }, false},
        {"UltraLow textures", [](DetailSettings* d) { d->textureDetail = 0; }, false},
        {"no lighting", [](DetailSettings* d) { d->lighting = false; }, false},
        {"low physics", [](DetailSettings* d) { d->physicsDetail = 0; }, false},
        {"compressed lightmaps", [](DetailSettings* d) { d->compressedLightmaps = true; }, false},
    };
    for (const auto& c : cases) {
        RunSetup changed = setup;
        c.change(&changed.detail);
        EXPECT_EQ(SteadyFrameMs(changed) > maxDetail, c.slower) << c.what;
    }
}

TEST_F(SimgameRunOutput, RatesArePlausibleForTheReferenceRun) {
    const MapResult flyby = Read(Csv(Line("dm-antalus", kFlyby, 77, "1024x768"), MaxDetail()));
    const MapResult botmatch = Read(Csv(Line("dm-antalus", Bots(12), 77, "1024x768"), MaxDetail()));
    EXPECT_GT(flyby.avgFps, 60.0);
    EXPECT_LT(flyby.avgFps, 120.0);
    EXPECT_GT(botmatch.avgFps, 40.0);
    EXPECT_LT(botmatch.avgFps, 80.0);
    // Jitter and the odd stutter: the extremes lie well apart from the mean.
    EXPECT_LT(flyby.lowFps, 0.6 * flyby.avgFps);
    EXPECT_GT(flyby.highFps, 1.05 * flyby.avgFps);
}

TEST_F(SimgameRunOutput, TruncatedFileStopsInsideItsData) {
    const std::string line = Line("dm-asbestos", kFlyby, 10, "1024x768");
    ParsedCommandLine parsed;
    std::string error;
    ASSERT_TRUE(ParseGameCommandLine(line, &parsed, &error));
    RunSetup setup;
    setup.mapName = parsed.mapName;
    setup.seconds = parsed.seconds;
    const std::vector<Subframe> frames = SimulateRun(setup, parsed.argumentText, 1);
    const std::string whole = FormatResultCsv({"CPU", 1000, "Card", parsed.argumentText}, frames);
    const std::string cut =
        FormatTruncatedResultCsv({"CPU", 1000, "Card", parsed.argumentText}, frames);
    EXPECT_LT(cut.size(), whole.size() * 2 / 3);
    EXPECT_NE(cut.substr(cut.size() - 2), "\r\n") << "the last line is broken off";
    EXPECT_EQ(cut.find("\r\n0,"), std::string::npos) << "no closing line";
    EXPECT_EQ(Read(cut).perSecondCount, 5);
}

TEST(SimgameProcessorLine, EndsWithTheClockTheReaderFinds) {
    const struct {
        const char* name;
        int mhz;
        const char* expected;
    } cases[] = {
        {"AMD Athlon(tm) XP 2700+", 2166, "AMD Athlon(tm) XP 2700+ @ 2166 MHz"},
        {"  Intel(R) Xeon(R) CPU @ 2.20GHz  ", 2200, "Intel(R) Xeon(R) CPU @ 2200 MHz"},
        {"", 900, "Unknown processor @ 900 MHz"},
    };
    for (const auto& c : cases) {
        const std::string line = ProcessorLine(c.name, c.mhz);
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(CpuMhzFromHeader(line), c.mhz) << line;
    }
    const std::string longLine = ProcessorLine(std::string(200, 'x'), 3000);
    EXPECT_EQ(longLine.size(), kMaxHeaderChars);
    EXPECT_EQ(CpuMhzFromHeader(longLine), 3000);
}

}  // namespace
}  // namespace tarvik::simgame
