// The built ut2003.exe in a real (Wine) Windows: an installation made by the installer, runs
// started from another current folder, the result files, the log and the refusals.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/format.h"
#include "base/win32/handles.h"
#include "bench/command_lines.h"
#include "bench/detail_ini.h"
#include "bench/presets.h"
#include "results/csv_parser.h"
#include "results/list_order.h"
#include "sysinfo/crc32.h"
#include "tools/simgame/win32/files.h"
#include "tools/simgame/win32/installer.h"

namespace tarvik::simgame {
namespace {

constexpr DWORD kAccessViolation = 0xC0000005u;

const char* const kStandardFlybyArguments =
    "dm-antalus?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt -benchmark "
    "-seconds=77 -nosound ini=..\\Benchmark\\Stuff\\CustomMaxSystem.ini "
    "userini=..\\Benchmark\\Stuff\\CustomMaxUser.ini -UPT -1024x768";

struct Finished {
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0;
};

// Sets an environment variable for the games this process starts, and clears it again.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        ::SetEnvironmentVariableA(name, value);
    }
    ~ScopedVariable() { ::SetEnvironmentVariableA(name_, nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
};

class SimulatedGame : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        game_ = std::string("C:\\sim\\") + test->name() + "\\UT2003";
        std::string error;
        ASSERT_TRUE(BuildInstallation(game_, Edition::Full, GameExecutableBesideProgram(), &error))
            << error;
        // A prefix used before keeps the results and the log of earlier runs.
        for (const std::string& name : ListFiles(Path("Benchmark\\CSVs"), "*")) {
            ::DeleteFileA(Path("Benchmark\\CSVs\\" + name).c_str());
        }
        ::DeleteFileA(Path("System\\ut2003sim.log").c_str());
        // What the front-end writes before a standard run.
        ASSERT_TRUE(::CopyFileA(Path("Benchmark\\Stuff\\MaxDetail.ini").c_str(),
                                Path("Benchmark\\Stuff\\CustomMaxSystem.ini").c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA(Path("Benchmark\\Stuff\\MaxDetailUser.ini").c_str(),
                                Path("Benchmark\\Stuff\\CustomMaxUser.ini").c_str(), FALSE));
    }

    std::string Path(const std::string& relative) const { return game_ + "\\" + relative; }
    std::string CommandLine(const std::string& arguments) const {
        return "\"" + Path("System\\ut2003.exe") + "\" " + arguments;
    }
    std::vector<std::string> Csvs() const {
        std::vector<std::string> names = ListFiles(Path("Benchmark\\CSVs"), "*.csv");
        SortListOrder(names);
        return names;
    }
    std::string LogText() const {
        std::string text;
        ReadWholeFile(Path("System\\ut2003sim.log"), &text);
        return text;
    }
    long LoggedRuns() const {
        const std::string text = LogText();
        return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    }

    // The argument text of a whole command line.
    static std::string ArgumentsOf(const std::string& commandLine) {
        return commandLine.substr(commandLine.find("\" ") + 2);
    }

    // Starts the game the way the front-end does, from another current folder, with time running
    // instantly, and waits up to `waitMs` for it.
    Finished Run(const std::string& arguments, DWORD waitMs = 60000) const {
        ScopedVariable instant("UT2003SIM_TIME_SCALE", "0");
        ScopedVariable processor("UT2003SIM_CPU", "Simulated Athlon XP 2700+|2166");
        std::string buffer = CommandLine(arguments);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        Finished finished;
        finished.started = ::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0,
                                            nullptr, "C:\\windows", &startup, &process);
        if (!finished.started) {
            return finished;
        }
        KernelHandle processHandle(process.hProcess);
        KernelHandle threadHandle(process.hThread);
        finished.ended = ::WaitForSingleObject(processHandle.Get(), waitMs) == WAIT_OBJECT_0;
        if (!finished.ended) {
            ::TerminateProcess(processHandle.Get(), 99);
            ::WaitForSingleObject(processHandle.Get(), 10000);
        }
        ::GetExitCodeProcess(processHandle.Get(), &finished.exitCode);
        return finished;
    }

    std::string game_;
};

TEST_F(SimulatedGame, StandardRunLineWritesOneResultFileAndLogsTheLine) {
    const Finished first = Run(kStandardFlybyArguments);
    ASSERT_TRUE(first.started && first.ended);
    EXPECT_EQ(first.exitCode, 0u);
    const std::vector<std::string> names = Csvs();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(LogText(), CommandLine(kStandardFlybyArguments) + "\r\n");

    const auto result = ParseCsv(Path("Benchmark\\CSVs\\" + names[0]), ResultSettings{});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->mapName, "dm-antalus");
    EXPECT_EQ(result->mode, "flyby");
    EXPECT_EQ(result->resolution, "1024x768");
    EXPECT_EQ(result->header3, "Simulated Athlon XP 2700+ @ 2166 MHz");
    EXPECT_EQ(result->cpuMhz, 2166);
    EXPECT_EQ(result->perSecondCount, 77);
    EXPECT_GT(result->avgFps, 30.0);

    // The same line again: byte-identical data under a name that sorts after the first.
    std::string firstBytes;
    ASSERT_TRUE(ReadWholeFile(Path("Benchmark\\CSVs\\" + names[0]), &firstBytes));
    const Finished second = Run(kStandardFlybyArguments);
    ASSERT_TRUE(second.ended);
    const std::vector<std::string> after = Csvs();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], names[0]);
    std::string secondBytes;
    ASSERT_TRUE(ReadWholeFile(Path("Benchmark\\CSVs\\" + after[1]), &secondBytes));
    EXPECT_TRUE(firstBytes == secondBytes);
    EXPECT_EQ(LoggedRuns(), 2);
}

// The four runs of the standard benchmark, read back as the score dialog reads them.
TEST_F(SimulatedGame, StandardRunLeavesFourFilesWith301PointsInRunOrder) {
    const std::vector<std::string> lines = StandardRunCommandLines(game_, "1024x768");
    ASSERT_EQ(lines.size(), 4u);
    for (const std::string& line : lines) {
        const Finished finished = Run(ArgumentsOf(line));
        ASSERT_TRUE(finished.ended && finished.exitCode == 0) << line;
    }
    const std::vector<std::string> names = Csvs();
    ASSERT_EQ(names.size(), 4u);
    ASSERT_EQ(NewestName(names), names[3]);
    const char* const expectedModes[] = {"flyby", "flyby", "botmatch", "botmatch"};
    const char* const expectedMaps[] = {"dm-antalus", "dm-asbestos", "dm-antalus", "dm-asbestos"};
    int points = 0;
    for (std::size_t run = 0; run < names.size(); ++run) {
        const auto result = ParseCsv(Path("Benchmark\\CSVs\\" + names[run]), ResultSettings{});
        ASSERT_TRUE(result.has_value()) << names[run];
        EXPECT_EQ(result->mode, expectedModes[run]) << names[run];
        EXPECT_EQ(result->mapName, expectedMaps[run]) << names[run];
        points += result->perSecondCount;
    }
    EXPECT_EQ(points, 301);
}

TEST_F(SimulatedGame, RefusesMissingFilesWithoutWritingAResult) {
    ASSERT_TRUE(::DeleteFileA(Path("Benchmark\\Stuff\\CustomMaxSystem.ini").c_str()));
    const std::string otherwiseFine =
        "dm-antalus?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt -benchmark "
        "-seconds=5 -nosound ini=..\\Benchmark\\Stuff\\MaxDetail.ini "
        "userini=..\\Benchmark\\Stuff\\MaxDetailUser.ini -800x600";
    const std::string refused[] = {
        kStandardFlybyArguments,
        "dm-nowhere?game=engine.gameinfo -benchmark -seconds=5 -nosound -800x600",
        "dm-antalus?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\nothing.txt -benchmark "
        "-seconds=5 -800x600",
        "dm-antalus?game=engine.gameinfo -benchmark -seconds=5 userini=C:\\nowhere\\User.ini "
        "-800x600",
        "dm-antalus?game=engine.gameinfo -benchmark -800x600",
    };
    for (const std::string& arguments : refused) {
        const Finished finished = Run(arguments);
        ASSERT_TRUE(finished.ended) << arguments;
        EXPECT_NE(finished.exitCode, 0u) << arguments;
        EXPECT_TRUE(Csvs().empty()) << arguments;
    }
    std::string gameLog;
    ASSERT_TRUE(ReadWholeFile(Path("System\\UT2003.log"), &gameLog));
    EXPECT_NE(gameLog.find("Critical: "), std::string::npos) << gameLog;
    EXPECT_EQ(LoggedRuns(), 5) << "every line is logged";

    // The map name matches the file whatever its letter case; absolute ini paths work too.
    const Finished fine = Run(otherwiseFine);
    EXPECT_EQ(fine.exitCode, 0u);
    const Finished absolute = Run("DM-ASBESTOS?game=engine.gameinfo -benchmark -seconds=2 ini=" +
                                  Path("System\\UT2003.ini") + " -640x480");
    EXPECT_EQ(absolute.exitCode, 0u);
    EXPECT_EQ(Csvs().size(), 2u);
}

TEST_F(SimulatedGame, FailureSwitchesFailAsAGameCan) {
    const std::string arguments =
        "dm-asbestos?spectatoronly=true?numbots=12?quickstart=true?attractcam=true "
        "-exec=..\\Benchmark\\Stuff\\botmatchexec.txt -benchmark -seconds=4 -nosound "
        "ini=..\\Benchmark\\Stuff\\MinDetail.ini userini=..\\Benchmark\\Stuff\\MinDetailUser.ini "
        "-640x480";
    const struct {
        const char* failure;
        DWORD exitCode;
        std::size_t newFiles;
    } cases[] = {
        {"no-csv", 0, 0},
        {"exit", 0, 0},
        {"crash", kAccessViolation, 0},
        {"truncated", 0, 1},
    };
    for (const auto& c : cases) {
        const std::size_t before = Csvs().size();
        ScopedVariable failure("UT2003SIM_FAIL", c.failure);
        const Finished finished = Run(arguments);
        ASSERT_TRUE(finished.ended) << c.failure;
        EXPECT_EQ(finished.exitCode, c.exitCode) << c.failure;
        EXPECT_EQ(Csvs().size(), before + c.newFiles) << c.failure;
    }
    // The truncated file has no closing line and counts fewer seconds.
    const auto truncated = ParseCsv(Path("Benchmark\\CSVs\\" + Csvs().back()), ResultSettings{});
    ASSERT_TRUE(truncated.has_value());
    EXPECT_EQ(truncated->perSecondCount, 2);

    // "@N" picks one run by its number in the command-line log (four lines so far).
    ScopedVariable fifthOnly("UT2003SIM_FAIL", "no-csv@5");
    const std::size_t before = Csvs().size();
    EXPECT_EQ(Run(arguments).exitCode, 0u);
    EXPECT_EQ(Csvs().size(), before);
    EXPECT_EQ(Run(arguments).exitCode, 0u);
    EXPECT_EQ(Csvs().size(), before + 1);

    ScopedVariable bad("UT2003SIM_FAIL", "sometimes");
    EXPECT_EQ(Run(arguments).exitCode, 1u);
}

// Every preset's lines, each run given the ini files the front-end hands it; the Zandor runs
// while their generated file exists, as the front-end runs them.
TEST_F(SimulatedGame, AcceptsEveryPresetLineAndKeepsTheIniFilesItWasGiven) {
    const std::string copies = Path("IniCopies");
    ScopedVariable keep("UT2003SIM_INI_COPIES", copies.c_str());
    std::vector<std::string> lines = EpicRunLines(game_, 3);
    for (const auto& more : {OrlimarRunLines(game_, OrlimarMode::kFlyby, 1, 4),
                             OrlimarRunLines(game_, OrlimarMode::kBotmatch, 2, 0)}) {
        lines.insert(lines.end(), more.begin(), more.end());
    }
    for (const std::string& line : lines) {
        const Finished finished = Run(ArgumentsOf(line));
        ASSERT_TRUE(finished.ended && finished.exitCode == 0) << line;
    }
    std::size_t runs = lines.size();
    for (const DetailVariant variant :
         {DetailVariant::High, DetailVariant::Low, DetailVariant::Cpu}) {
        ASSERT_EQ(MakeDetailIni(game_, variant), DetailIniResult::Made);
        for (const std::string& line : DetailCommandLines(game_, variant, 1)) {
            const Finished finished = Run(ArgumentsOf(line));
            ASSERT_TRUE(finished.ended && finished.exitCode == 0) << line;
            ++runs;
        }
        RemoveDetailIni(game_, variant);
    }
    EXPECT_EQ(Csvs().size(), runs);
    EXPECT_EQ(LoggedRuns(), static_cast<long>(runs));

    // Run 1 is Epic's (MaxDetail), 12 the first Orlimar botmatch (the player's own ini), 18 the
    // first Zandor High run (its generated copy).
    const struct {
        int run;
        const char* givenLike;
    } kept[] = {{1, "Benchmark\\Stuff\\MaxDetail.ini"}, {12, "System\\UT2003.ini"}};
    for (const auto& k : kept) {
        std::string copy;
        std::string original;
        ASSERT_TRUE(ReadWholeFile(Format("%s\\run-%d-system.ini", copies.c_str(), k.run), &copy));
        ASSERT_TRUE(ReadWholeFile(Path(k.givenLike), &original));
        EXPECT_TRUE(copy == original) << "run " << k.run;
    }
    std::string zandorHigh;
    ASSERT_TRUE(ReadWholeFile(copies + "\\run-18-system.ini", &zandorHigh));
    EXPECT_NE(zandorHigh.find("TextureMaxLOD=-0.8"), std::string::npos);
    EXPECT_NE(zandorHigh.find("UseTripleBuffering=True"), std::string::npos);
}

TEST_F(SimulatedGame, HangsUntilKilled) {
    ScopedVariable hang("UT2003SIM_FAIL", "hang");
    const Finished finished = Run(kStandardFlybyArguments, 1500);
    EXPECT_TRUE(finished.started);
    EXPECT_FALSE(finished.ended);
    EXPECT_TRUE(Csvs().empty());
}

TEST_F(SimulatedGame, InstallationAsTheFrontEndFindsIt) {
    CCrc32Dynamic crc;
    crc.BuildTable();
    std::uint32_t antalus = 0;
    std::uint32_t asbestos = 0;
    crc.FileCrc32(Path("Maps\\DM-Antalus.ut2"), antalus);
    crc.FileCrc32(Path("Maps\\DM-Asbestos.ut2"), asbestos);
    EXPECT_EQ(antalus, 0x5C9BEEB0u);
    EXPECT_EQ(asbestos, 0x422A02D2u);
    EXPECT_TRUE(FolderExists(Path("Benchmark\\CSVs")));
    EXPECT_TRUE(FileExists(Path("System\\ut2003.exe")));

    std::string error;
    const std::string demo = "C:\\sim\\demo\\UT2003Demo";
    ASSERT_TRUE(BuildInstallation(demo, Edition::Demo, "", &error)) << error;
    EXPECT_FALSE(FileExists(demo + "\\Maps\\CTF-Face3.ut2"));
    EXPECT_TRUE(FileExists(demo + "\\Maps\\DM-Antalus.ut2"));

    auto folderOf = [](const char* key) {
        char value[260] = {};
        DWORD size = sizeof value;
        const LONG result =
            ::RegGetValueA(HKEY_LOCAL_MACHINE, key, "Folder", RRF_RT_REG_SZ, nullptr, value, &size);
        return result == ERROR_SUCCESS ? std::string(value) : std::string("<none>");
    };
    ASSERT_TRUE(RegisterInstallation(game_, demo, Registration::Both, &error)) << error;
    EXPECT_EQ(folderOf(kFullRegistryKey), game_);
    EXPECT_EQ(folderOf(kDemoRegistryKey), demo);
    ASSERT_TRUE(RegisterInstallation(game_, demo, Registration::Demo, &error)) << error;
    EXPECT_EQ(folderOf(kFullRegistryKey), "<none>");
    EXPECT_EQ(folderOf(kDemoRegistryKey), demo);
    ASSERT_TRUE(RegisterInstallation(game_, "", Registration::Full, &error)) << error;
    EXPECT_EQ(folderOf(kFullRegistryKey), game_);
    EXPECT_EQ(folderOf(kDemoRegistryKey), "<none>");
    ASSERT_TRUE(RemoveRegistration(&error)) << error;
    EXPECT_EQ(folderOf(kFullRegistryKey), "<none>");
    EXPECT_FALSE(RegisterInstallation("", "", Registration::Full, &error));
    EXPECT_FALSE(BuildInstallation(demo, Edition::Demo, "C:\\nowhere\\ut2003.exe", &error));
    EXPECT_NE(error.find("C:\\nowhere\\ut2003.exe"), std::string::npos) << error;
}

}  // namespace
}  // namespace tarvik::simgame
