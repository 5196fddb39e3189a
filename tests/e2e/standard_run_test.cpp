// The standard benchmark as a user starts it from the Main tab: the four runs of the simulated
// game, the ini files it is handed, its refusals and failures, the run-integrity monitor, and how
// quietly the program waits while the game plays.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "base/win32/handles.h"
#include "bench/command_lines.h"
#include "tests/e2e/harness/game_process.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

constexpr Milliseconds kGameStartTimeout{20000};

const char* const kCaption = "Tarvik !";
const char* const kFailedText =
    "There was a problem running the benchmark, Please close all background programs and try "
    "again";
const char* const kDemoText =
    "You cannot run this with the demo version, please go to the standard or custom tab.";
const char* const kAntalusText = "DM-Antalus has been modified, the benchmark cannot continue.";
const char* const kAsbestosText = "DM-Asbestos has been modified, the benchmark cannot continue.";

std::string SystemIniPath(const std::string& game) {
    return JoinPath(game, "Benchmark\\Stuff\\CustomMaxSystem.ini");
}
std::string UserIniPath(const std::string& game) {
    return JoinPath(game, "Benchmark\\Stuff\\CustomMaxUser.ini");
}

::testing::AssertionResult NoIniFilesLeft(const std::string& game) {
    for (const std::string& path : {SystemIniPath(game), UserIniPath(game)}) {
        if (FileExists(path)) {
            return ::testing::AssertionFailure() << path << " is still there after the runs";
        }
    }
    return ::testing::AssertionSuccess();
}

// tarvik.exe started against the installed game, its main window on the Main tab.
struct Session : TarvikSession {
    ::testing::AssertionResult PressBenchmark() const {
        if (tabs.CurrentIndex() != kPageMain) {
            return ::testing::AssertionFailure() << "expected the Main tab to be shown, but page "
                                                 << tabs.CurrentIndex() << " is";
        }
        return ClickButton(tabs.CurrentPage(), IDC_MAIN_BENCHMARK);
    }

    // No message box within a short while, and the main window still answers and switches pages.
    ::testing::AssertionResult StillUsable() const {
        Sleep(500);
        const auto boxes = MessageBoxes(tarvik.Pid());
        if (!boxes.empty()) {
            return ::testing::AssertionFailure()
                   << "an unexpected message box is shown: \"" << boxes.front().text << "\"";
        }
        if (!IsResponsive(main)) {
            return ::testing::AssertionFailure() << "the main window no longer answers";
        }
        for (int page : {kPageSettings, kPageMain}) {
            auto selected = tabs.SelectPage(page);
            if (!selected) {
                return selected << " (the tab set no longer switches pages)";
            }
        }
        return ::testing::AssertionSuccess();
    }
};

// The four command lines exactly as the game must have received them.
std::vector<std::string> ExpectedStandardLines(const std::string& game) {
    return StandardRunCommandLines(game, "1024x768");
}

// What the Results tab shows after a successful run (a loading dialog, the score dialog,
// messages) belongs to other pages; close what asks to be closed and let the rest finish.
void CloseWhatFollows(const TarvikProcess& tarvik, HWND main) {
    const auto deadline = std::chrono::steady_clock::now() + Milliseconds{20000};
    auto lastSeen = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline &&
           std::chrono::steady_clock::now() - lastSeen < Milliseconds{3000}) {
        for (const WindowInfo& window : TopLevelWindows(tarvik.Pid())) {
            if (!window.visible || window.hwnd == main) {
                continue;
            }
            lastSeen = std::chrono::steady_clock::now();
            if (IsMessageBox(window.hwnd)) {
                std::cout << "after the run: message \"" << ReadMessageBox(window.hwnd).text
                          << "\"\n";
                PostMessageA(window.hwnd, WM_COMMAND, IDOK, 0);
            } else if (window.title == "Tarvik Score") {
                std::cout << "after the run: the score dialog\n";
                PostMessageA(window.hwnd, WM_COMMAND, IDCANCEL, 0);
            }
        }
        Sleep(100);
    }
}

// --- Success ---------------------------------------------------------------------------------

TEST(StandardRun, FourRunsWithTheirIniFilesThenTheResultsTab) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const auto filesBefore = ResultFileNames(folder);
    Session session;
    // Each run lasts some two seconds: long enough to look at the ini files while it plays.
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0.03"}}));
    ASSERT_TRUE(session.PressBenchmark());

    GameProcess run;
    DWORD previous = 0;
    for (int number = 1; number <= 4; ++number) {
        ASSERT_TRUE(run.WaitForStart(session.tarvik, kGameStartTimeout, previous))
            << "run " << number
            << " did not start; the game was started with: " << QuotedList(GameCommandLog(folder))
            << "; the program shows: " << DescribeWindows(session.tarvik.Pid());
        previous = run.Pid();
        EXPECT_TRUE(FileExists(SystemIniPath(folder)))
            << SystemIniPath(folder) << " is missing while run " << number << " plays";
        EXPECT_TRUE(FileExists(UserIniPath(folder)))
            << UserIniPath(folder) << " is missing while run " << number << " plays";
        if (number == 1) {
            // The maximum-detail system ini, not the user ini, goes under the system ini's name.
            const std::string systemIni = ReadWholeFile(SystemIniPath(folder));
            EXPECT_NE(systemIni.find("TextureDetailWorld=UltraHigh"), std::string::npos)
                << "the system ini handed to the game is not the maximum-detail one";
            EXPECT_EQ(ReadWholeFile(UserIniPath(folder)).find("TextureDetailWorld"),
                      std::string::npos)
                << "the user ini handed to the game holds system settings";
        }
        ASSERT_TRUE(run.WaitForEnd(Milliseconds{30000})) << "run " << number << " did not end";
    }

    ASSERT_TRUE(WaitUntil([&] {
        return session.tabs.CurrentIndex() == kPageResults ||
               !MessageBoxes(session.tarvik.Pid()).empty();
    })) << "after four runs the program shows neither the Results tab nor a message: "
        << DescribeWindows(session.tarvik.Pid());
    ASSERT_EQ(session.tabs.CurrentIndex(), kPageResults)
        << "the run should end on the Results tab; the program shows: "
        << DescribeWindows(session.tarvik.Pid());

    EXPECT_EQ(GameCommandLog(folder), ExpectedStandardLines(folder));
    EXPECT_EQ(ResultFileNames(folder).size(), filesBefore.size() + 4)
        << "result files now: " << QuotedList(ResultFileNames(folder));
    EXPECT_TRUE(NoIniFilesLeft(folder));

    CloseWhatFollows(session.tarvik, session.main);
    Settle(session.main);
    EXPECT_TRUE(SaveScreenshot(session.main, "standard_run_results"));
    EXPECT_TRUE(session.Exit());
}

// --- Refusals before any run -------------------------------------------------------------------

TEST(StandardRun, DemoIsRefusedWithoutStartingTheGame) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Demo));
    const std::string folder = game.GameFolder();
    Session session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.PressBenchmark());

    ASSERT_TRUE(session.Answer(kDemoText, kCaption));
    EXPECT_TRUE(session.StillUsable());
    EXPECT_TRUE(GameCommandLog(folder).empty())
        << "the demo started the game: " << QuotedList(GameCommandLog(folder));
    EXPECT_TRUE(NoIniFilesLeft(folder));
    EXPECT_TRUE(ResultFileNames(folder).empty());
    EXPECT_TRUE(session.Exit());
}

struct MapCase {
    const char* name;
    const char* map;  // under "Maps"
    bool deleteIt;    // else one byte is changed
    const char* expectedText;
};

void PrintTo(const MapCase& map, std::ostream* out) {
    *out << map.name;
}

const MapCase kMapCases[] = {
    {"antalus_modified", "DM-Antalus.ut2", false, kAntalusText},
    // Antalus intact: only then is Asbestos looked at.
    {"asbestos_modified", "DM-Asbestos.ut2", false, kAsbestosText},
    {"antalus_missing", "DM-Antalus.ut2", true, kAntalusText},
};

::testing::AssertionResult ChangeOneByte(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    if (bytes.empty()) {
        return ::testing::AssertionFailure() << "cannot read " << path;
    }
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x01);
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        return ::testing::AssertionFailure() << "cannot rewrite " << path;
    }
    return ::testing::AssertionSuccess();
}

class ModifiedMap : public ::testing::TestWithParam<MapCase> {};

TEST_P(ModifiedMap, IsRefusedBeforeAnyRunAndTheProgramGoesOn) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const std::string map = JoinPath(folder, std::string("Maps\\") + GetParam().map);
    if (GetParam().deleteIt) {
        ASSERT_TRUE(DeleteFileA(map.c_str())) << "cannot delete " << map;
    } else {
        ASSERT_TRUE(ChangeOneByte(map));
    }
    Session session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.PressBenchmark());

    ASSERT_TRUE(session.Answer(GetParam().expectedText, kCaption));
    EXPECT_TRUE(session.StillUsable());
    EXPECT_TRUE(GameCommandLog(folder).empty())
        << "the game was started: " << QuotedList(GameCommandLog(folder));
    EXPECT_TRUE(NoIniFilesLeft(folder));
    // Pressed again, the same refusal: nothing was left half-done by the first.
    ASSERT_TRUE(session.PressBenchmark());
    EXPECT_TRUE(session.Answer(GetParam().expectedText, kCaption));
    EXPECT_TRUE(session.Exit());
}

INSTANTIATE_TEST_SUITE_P(Maps, ModifiedMap, ::testing::ValuesIn(kMapCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Failures during the runs ----------------------------------------------------------------

TEST(StandardRun, GameThatCannotStartIsReportedTwiceAndCleanedUp) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const std::string exe = JoinPath(folder, "System\\ut2003.exe");
    ASSERT_TRUE(DeleteFileA(exe.c_str())) << "cannot delete " << exe;
    Session session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.PressBenchmark());

    ASSERT_TRUE(session.Answer("Can't execute benchmark", "Tarvik"));
    ASSERT_TRUE(session.Answer(kFailedText, kCaption));
    EXPECT_TRUE(session.StillUsable());
    EXPECT_TRUE(NoIniFilesLeft(folder));
    EXPECT_TRUE(ResultFileNames(folder).empty());
    EXPECT_TRUE(session.Exit());
}

// Two results of an earlier benchmark, named as the game names its files.
const char* const kOldResults[] = {"UT2003-Benchmark-000001.csv", "UT2003-Benchmark-000002.csv"};

TEST(StandardRun, RunWithoutResultFileEndsTheSequenceAndKeepsEveryFile) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    for (const char* name : kOldResults) {
        const std::string path = JoinPath(ResultFolder(folder), name);
        const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        const std::string text = std::string("an earlier result: ") + name + "\r\n";
        DWORD written = 0;
        ASSERT_TRUE(file && WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()),
                                      &written, nullptr))
            << "cannot write " << path;
    }
    Session session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}, {"UT2003SIM_FAIL", "no-csv@2"}}));
    ASSERT_TRUE(session.PressBenchmark());

    ASSERT_TRUE(session.Answer(kFailedText, kCaption, Milliseconds{40000}));
    EXPECT_TRUE(session.StillUsable());
    const auto expected = ExpectedStandardLines(folder);
    EXPECT_EQ(GameCommandLog(folder),
              std::vector<std::string>(expected.begin(), expected.begin() + 2))
        << "the sequence should stop after the run that left no file";
    const auto files = ResultFileNames(folder);
    ASSERT_EQ(files.size(), 3u) << "result files now: " << QuotedList(files);
    EXPECT_EQ(files[0], kOldResults[0]);
    EXPECT_EQ(files[1], kOldResults[1]);
    for (const char* name : kOldResults) {
        EXPECT_EQ(ReadWholeFile(JoinPath(ResultFolder(folder), name)),
                  std::string("an earlier result: ") + name + "\r\n")
            << name << " was changed";
    }
    EXPECT_TRUE(NoIniFilesLeft(folder));
    EXPECT_TRUE(session.Exit());
}

TEST(StandardRun, GameCrashInTheFirstRunEndsTheSequence) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    Session session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}, {"UT2003SIM_FAIL", "crash@1"}}));
    ASSERT_TRUE(session.PressBenchmark());

    ASSERT_TRUE(session.Answer(kFailedText, kCaption, Milliseconds{40000}));
    EXPECT_TRUE(session.StillUsable());
    EXPECT_EQ(GameCommandLog(folder).size(), 1u)
        << "the game was started with: " << QuotedList(GameCommandLog(folder));
    EXPECT_TRUE(ResultFileNames(folder).empty());
    EXPECT_TRUE(NoIniFilesLeft(folder));
    EXPECT_TRUE(session.Exit());
}

// --- The run-integrity monitor ---------------------------------------------------------------

// A visible top-level window of the test's own, brought to the foreground: another program
// taking part in a run.
class Intruder {
  public:
    Intruder() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        registered_ = RegisterClassA(&windowClass) != 0;
        window_ =
            CreateWindowExA(0, kClassName, "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                            100, 400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
        if (window_) {
            ShowWindow(window_, SW_SHOW);
            SetForegroundWindow(window_);
            PumpFor(Milliseconds{1000});
        }
    }
    Intruder(const Intruder&) = delete;
    Intruder& operator=(const Intruder&) = delete;
    ~Intruder() {
        if (window_) {
            DestroyWindow(window_);
        }
        if (registered_) {
            UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
        }
    }

    HWND Window() const { return window_; }

    static void PumpFor(Milliseconds duration) {
        const auto end = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < end) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(20);
        }
    }

  private:
    static constexpr const char* kClassName = "TarvikE2eIntruder";
    bool registered_ = false;
    HWND window_ = nullptr;
};

TEST(StandardRun, AnotherProgramComingForwardDuringARunFailsTheBenchmark) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    Session session;
    // Run 1 lasts some three seconds.
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0.04"}}));
    ASSERT_TRUE(session.PressBenchmark());

    GameProcess run;
    ASSERT_TRUE(run.WaitForStart(session.tarvik, kGameStartTimeout))
        << "the game did not start; the program shows: " << DescribeWindows(session.tarvik.Pid());
    Sleep(300);
    size_t runsSoFar = 0;
    {
        Intruder intruder;
        ASSERT_NE(intruder.Window(), nullptr) << "could not open the test's own window";
        runsSoFar = GameCommandLog(folder).size();
        EXPECT_EQ(GetForegroundWindow(), intruder.Window())
            << "the test's window did not come to the foreground";
        ASSERT_TRUE(run.Running()) << "the run ended before the other window came forward";
        EXPECT_TRUE(run.WaitForEnd(Milliseconds{30000}));
        Intruder::PumpFor(Milliseconds{200});
    }

    ASSERT_TRUE(session.Answer(kFailedText, kCaption, Milliseconds{40000}))
        << "; the game was started with: " << QuotedList(GameCommandLog(folder));
    EXPECT_EQ(GameCommandLog(folder).size(), runsSoFar) << "no run should follow the disturbed one";
    EXPECT_LT(GameCommandLog(folder).size(), 4u);
    EXPECT_NE(session.tabs.CurrentIndex(), kPageResults);
    EXPECT_TRUE(NoIniFilesLeft(folder));
    EXPECT_TRUE(session.Exit());
}

// --- Waiting for the game --------------------------------------------------------------------

ULONGLONG CpuTime100ns(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return 0;
    }
    const auto value = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

TEST(StandardRun, ProgramIdlesWhileTheGamePlays) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    Session session;
    // Run 1 (77 s of game time) lasts about 20 s; run 2 then ends at once without a result,
    // which ends the sequence.
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0.26"}, {"UT2003SIM_FAIL", "exit@2"}}));
    const ULONGLONG startUpCpu = CpuTime100ns(session.tarvik.Handle());
    ASSERT_GT(startUpCpu, 0u) << "the program's processor time cannot be read, so it cannot be "
                                 "measured while the game plays";
    ASSERT_TRUE(session.PressBenchmark());

    GameProcess run;
    ASSERT_TRUE(run.WaitForStart(session.tarvik, kGameStartTimeout))
        << "the game did not start; the program shows: " << DescribeWindows(session.tarvik.Pid());
    Sleep(2000);
    const ULONGLONG cpuBefore = CpuTime100ns(session.tarvik.Handle());
    const auto wallBefore = std::chrono::steady_clock::now();
    ASSERT_TRUE(run.WaitForEnd(Milliseconds{60000})) << "run 1 did not end";
    const ULONGLONG cpuAfter = CpuTime100ns(session.tarvik.Handle());
    const double wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore)
            .count();
    const double cpuMs = static_cast<double>(cpuAfter - cpuBefore) / 10000.0;
    const double percent = 100.0 * cpuMs / wallMs;
    std::cout << "tarvik.exe used " << cpuMs << " ms of processor time in " << wallMs
              << " ms of a game run (" << percent << " %)\n";
    EXPECT_GT(wallMs, 10000.0) << "the run was too short to measure";
    EXPECT_LT(percent, 1.0) << "the program should sleep while the game plays";

    ASSERT_TRUE(session.Answer(kFailedText, kCaption, Milliseconds{40000}));
    EXPECT_EQ(GameCommandLog(folder).size(), 2u);
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
