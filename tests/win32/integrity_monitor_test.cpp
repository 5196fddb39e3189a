#include "bench/win32/integrity_monitor.h"

#include "base/win32/handles.h"
#include "quenby32/quenby32.h"
#include "res/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarvik {
namespace {

// The monitor's library and the helper program are built next to this test program.
std::string OwnFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path);
    return text.substr(0, text.find_last_of("\\/") + 1);
}
std::string LibraryFile() {
    return OwnFolder() + "quenby32.dll";
}
std::string HelperFile() {
    return OwnFolder() + "quenby_test_helper.exe";
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A helper process that is gone when the test is.
class Child {
  public:
    Child() = default;
    Child(const std::string& exe, const std::string& arguments) {
        std::string commandLine = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            process_.Reset(process.hProcess);
            id_ = process.dwProcessId;
        }
    }
    Child(Child&&) = default;
    Child& operator=(Child&&) = default;
    ~Child() { End(); }

    explicit operator bool() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    bool WaitForExit(DWORD milliseconds) {
        return process_ && WaitForSingleObject(process_.Get(), milliseconds) == WAIT_OBJECT_0;
    }
    // Ends the process the way a crashing game ends.
    void End() {
        if (process_ && !WaitForExit(0)) {
            TerminateProcess(process_.Get(), 1);
            WaitForExit(5000);
        }
    }

  private:
    KernelHandle process_;
    DWORD id_ = 0;
};

// The helper program under another file name, in a folder of its own.
class RenamedHelper {
  public:
    explicit RenamedHelper(const std::string& fileName) {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "quenby-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        path_ = folder_ + "\\" + fileName;
        CopyFileA(HelperFile().c_str(), path_.c_str(), FALSE);
    }
    ~RenamedHelper() {
        DeleteFileA(path_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    std::string folder_;
    std::string path_;
};

constexpr DWORD kPatience = 20000;  // Wine may start a process slowly on a busy machine

class IntegrityMonitorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(FileExists(LibraryFile())) << LibraryFile();
        ASSERT_TRUE(FileExists(HelperFile())) << HelperFile();
        std::string error;
        monitor_ = IntegrityMonitor::ArmFromFile(LibraryFile(), &error);
        ASSERT_NE(monitor_, nullptr) << error;
        EXPECT_EQ(error, "");
    }

    std::unique_ptr<IntegrityMonitor> monitor_;
};

// ---- one run each: who may do what while the game runs ----

enum class OutsiderStarts { kNever, kBeforeRun, kDuringRun, kAfterGameEnded };

struct RunCase {
    const char* name;
    const char* game;  // helper arguments
    OutsiderStarts outsiderStarts;
    const char* outsider;      // helper arguments
    const char* outsiderName;  // file name of the outsider's program; null: the helper's own
    std::vector<std::string> acceptedReasons;  // empty: the run must stay clean
};

const RunCase kRunCases[] = {
    {"CleanRun", "sleep 1500", OutsiderStarts::kNever, nullptr, nullptr, {}},
    {"GameShowsItsWindow", "popup 500", OutsiderStarts::kNever, nullptr, nullptr, {}},
    {"GameStartsAChild", "spawn sleep 1200", OutsiderStarts::kNever, nullptr, nullptr, {}},
    {"GamesGrandchildShowsAWindow",
     "spawn spawn popup 500",
     OutsiderStarts::kNever,
     nullptr,
     nullptr,
     {}},
    {"GameLeavesTheBareDesktopInFront",
     "desktop 800",
     OutsiderStarts::kNever,
     nullptr,
     nullptr,
     {}},
    // Started and ended while the game runs: only the periodic look can have seen it.
    {"OutsiderStarted",
     "sleep 30000",
     OutsiderStarts::kDuringRun,
     "sleep 800",
     nullptr,
     {"quenby_test_helper.exe was started"}},
    {"OutsiderPopsUp",
     "sleep 30000",
     OutsiderStarts::kDuringRun,
     "popup 500",
     nullptr,
     {"quenby_test_helper.exe was started", "quenby_test_helper.exe came to the foreground"}},
    // Already running before the game: only its window gives it away.
    {"OlderProgramComesToTheForeground",
     "sleep 30000",
     OutsiderStarts::kBeforeRun,
     "popup 500 1500",
     nullptr,
     {"quenby_test_helper.exe came to the foreground"}},
    {"SystemHelperStarted",
     "sleep 30000",
     OutsiderStarts::kDuringRun,
     "sleep 800",
     "ConHost.EXE",
     {}},
    {"OutsiderStartedAfterTheGameEnded",
     "sleep 300",
     OutsiderStarts::kAfterGameEnded,
     "sleep 1500",
     nullptr,
     {}},
};

void PrintTo(const RunCase& run, std::ostream* out) {
    *out << run.name;
}

class IntegrityMonitorRun : public IntegrityMonitorTest,
                            public ::testing::WithParamInterface<RunCase> {};

TEST_P(IntegrityMonitorRun, FlagsOnlyOtherPrograms) {
    const RunCase& run = GetParam();
    std::unique_ptr<RenamedHelper> renamed;
    std::string outsiderExe = HelperFile();
    if (run.outsiderName) {
        renamed = std::make_unique<RenamedHelper>(run.outsiderName);
        ASSERT_TRUE(FileExists(renamed->Path()));
        outsiderExe = renamed->Path();
    }

    Child game(HelperFile(), run.game);
    ASSERT_TRUE(game);
    Child outsider;
    if (run.outsiderStarts == OutsiderStarts::kBeforeRun) {
        outsider = Child(outsiderExe, run.outsider);
    }
    monitor_->BeginRun(game.Id());
    switch (run.outsiderStarts) {
        case OutsiderStarts::kNever:
            ASSERT_TRUE(game.WaitForExit(kPatience));
            break;
        case OutsiderStarts::kDuringRun:
            outsider = Child(outsiderExe, run.outsider);
            [[fallthrough]];
        case OutsiderStarts::kBeforeRun:
            ASSERT_TRUE(outsider);
            ASSERT_TRUE(outsider.WaitForExit(kPatience));
            game.End();
            break;
        case OutsiderStarts::kAfterGameEnded:
            ASSERT_TRUE(game.WaitForExit(kPatience));
            outsider = Child(outsiderExe, run.outsider);
            ASSERT_TRUE(outsider);
            Sleep(1000);  // long enough for any periodic look to see it
            break;
    }

    std::string reason = "unchanged";
    const bool disturbed = monitor_->RunWasDisturbed(&reason);
    if (run.acceptedReasons.empty()) {
        EXPECT_FALSE(disturbed) << reason;
        EXPECT_EQ(reason, "");
    } else {
        EXPECT_TRUE(disturbed);
        bool accepted = false;
        for (const std::string& candidate : run.acceptedReasons) {
            accepted = accepted || reason == candidate;
        }
        EXPECT_TRUE(accepted) << reason;
    }
}

INSTANTIATE_TEST_SUITE_P(IntegrityMonitor, IntegrityMonitorRun, ::testing::ValuesIn(kRunCases),
                         [](const ::testing::TestParamInfo<RunCase>& info) {
                             return std::string(info.param.name);
                         });

// ---- across runs and across the library's life ----

TEST_F(IntegrityMonitorTest, EachRunIsJudgedOnItsOwn) {
    {
        Child game(HelperFile(), "sleep 30000");
        monitor_->BeginRun(game.Id());
        Child outsider(HelperFile(), "sleep 800");
        ASSERT_TRUE(outsider.WaitForExit(kPatience));
        game.End();
        ASSERT_TRUE(monitor_->RunWasDisturbed(nullptr));
    }
    Child game(HelperFile(), "sleep 1000");
    monitor_->BeginRun(game.Id());
    ASSERT_TRUE(game.WaitForExit(kPatience));
    std::string reason = "unchanged";
    EXPECT_FALSE(monitor_->RunWasDisturbed(&reason));
    EXPECT_EQ(reason, "");
}

TEST_F(IntegrityMonitorTest, ReasonIsCutToTheCallersBuffer) {
    Child game(HelperFile(), "sleep 30000");
    monitor_->BeginRun(game.Id());
    Child outsider(HelperFile(), "sleep 800");
    ASSERT_TRUE(outsider.WaitForExit(kPatience));
    game.End();
    ASSERT_TRUE(monitor_->RunWasDisturbed(nullptr));

    auto lastReason = reinterpret_cast<QuenbyLastReasonFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("quenby32.dll"), "QuenbyLastReason")));
    ASSERT_NE(lastReason, nullptr);
    const std::string full = "quenby_test_helper.exe was started";
    EXPECT_EQ(lastReason(nullptr, 0), static_cast<int>(full.size()));
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(lastReason(buffer, 5), static_cast<int>(full.size()));
    EXPECT_STREQ(buffer, "quen");
    EXPECT_EQ(buffer[5], 'x');
}

TEST_F(IntegrityMonitorTest, CostsNoMeasurableTimeWhileTheGameRuns) {
    Child game(HelperFile(), "sleep 30000");
    monitor_->BeginRun(game.Id());
    auto cpuTime = [] {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        auto ticks = [](const FILETIME& time) {
            return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        return (ticks(kernel) + ticks(user)) / 10000;  // milliseconds
    };
    // Nothing else runs in this process, so its time is the monitor's. Wine counts in 10 ms
    // steps per thread, too coarse for one 2 s window: three of them must stay under 3 x 20 ms.
    constexpr int kWindows = 3;
    const ULONGLONG before = cpuTime();
    Sleep(kWindows * 2000);
    const ULONGLONG spent = cpuTime() - before;
    EXPECT_LT(spent, kWindows * 20u) << spent << " ms in " << kWindows * 2 << " s";
    game.End();
    EXPECT_FALSE(monitor_->RunWasDisturbed(nullptr));
}

TEST(IntegrityMonitorLibrary, ReleaseIsSafeTwiceAndWithoutArm) {
    {
        LoadedModule library(LoadLibraryA(LibraryFile().c_str()));
        ASSERT_TRUE(library);
        auto find = [&](const char* name) {
            return reinterpret_cast<void*>(GetProcAddress(library.Get(), name));
        };
        auto arm = reinterpret_cast<QuenbyArmFunction>(find("QuenbyArm"));
        auto beginRun = reinterpret_cast<QuenbyBeginRunFunction>(find("QuenbyBeginRun"));
        auto disturbed =
            reinterpret_cast<QuenbyRunWasDisturbedFunction>(find("QuenbyRunWasDisturbed"));
        auto release = reinterpret_cast<QuenbyReleaseFunction>(find("QuenbyRelease"));
        ASSERT_TRUE(arm && beginRun && disturbed && release);

        release();
        beginRun(GetCurrentProcessId());
        EXPECT_EQ(disturbed(), 0);
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(arm(), 0);
            EXPECT_EQ(arm(), 0);  // already armed
            release();
            release();
            EXPECT_EQ(disturbed(), 0);
        }
    }
    // The monitor thread let go of the library too: nothing of it stays loaded.
    EXPECT_EQ(GetModuleHandleA("quenby32.dll"), nullptr);
}

// ---- loading ----

struct RefusedLibrary {
    const char* name;
    std::string path;
    std::string expectedError;
};

TEST(IntegrityMonitorLoading, RefusesWhatIsNotTheMonitor) {
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string missing = OwnFolder() + "no-such-quenby32.dll";
    const std::string foreign = std::string(system) + "\\version.dll";
    const RefusedLibrary cases[] = {
        {"missing file", missing,
         "The run-integrity monitor " + missing + " could not be loaded (error 126)."},
        {"another library", foreign,
         "The run-integrity monitor " + foreign + " has no function QuenbyArm."},
    };
    for (const RefusedLibrary& refused : cases) {
        std::string error;
        EXPECT_EQ(IntegrityMonitor::ArmFromFile(refused.path, &error), nullptr) << refused.name;
        EXPECT_EQ(error, refused.expectedError) << refused.name;
        EXPECT_TRUE(refused.path == missing || FileExists(refused.path)) << refused.name;
    }
}

TEST(IntegrityMonitorLoading, WritesItsLibraryToATemporaryFileForAsLongAsItIsArmed) {
    if (!FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_MONITOR_DLL), "DLL")) {
        GTEST_SKIP() << "this build carries no monitor library among its resources";
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string path;
    {
        std::string error;
        auto monitor = IntegrityMonitor::Arm(&error);
        ASSERT_NE(monitor, nullptr) << error;
        path = monitor->LibraryPath();
        EXPECT_EQ(path.rfind(std::string(temp) + "quenby32-", 0), 0u) << path;
        EXPECT_TRUE(FileExists(path)) << path;

        Child game(HelperFile(), "sleep 500");
        monitor->BeginRun(game.Id());
        ASSERT_TRUE(game.WaitForExit(kPatience));
        EXPECT_FALSE(monitor->RunWasDisturbed(nullptr));
    }
    EXPECT_FALSE(FileExists(path)) << path;
}

}  // namespace
}  // namespace tarvik
