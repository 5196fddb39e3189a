#include "tools/simgame/win32/game_run.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "base/format.h"
#include "tools/simgame/command_line.h"
#include "tools/simgame/csv_name.h"
#include "tools/simgame/detail_settings.h"
#include "tools/simgame/frame_model.h"
#include "tools/simgame/game_paths.h"
#include "tools/simgame/result_csv.h"
#include "tools/simgame/sim_environment.h"
#include "tools/simgame/win32/files.h"
#include "tools/simgame/win32/processor_probe.h"
#include "tools/simgame/win32/run_window.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kVideoCard = "Simulated Direct3D 8 Adapter";

// The game's own log, "System\UT2003.log", rewritten by every run: what it did or why it
// refused. Written when the run ends, however it ends.
class GameLog {
  public:
    explicit GameLog(std::string path) : path_(std::move(path)) {}
    ~GameLog() { Flush(); }
    GameLog(const GameLog&) = delete;
    GameLog& operator=(const GameLog&) = delete;

    void Note(const std::string& line) { text_ += "Log: " + line + "\r\n"; }
    int Refuse(const std::string& reason, int exitCode) {
        text_ += "Critical: " + reason + "\r\n";
        std::fprintf(stderr, "ut2003: %s\n", reason.c_str());
        return exitCode;
    }
    void Flush() { WriteWholeFile(path_, text_); }

  private:
    std::string path_;
    std::string text_;
};

// Appends the command line to the log of command lines; returns the run's number (its line in
// that log), or 0 when the log cannot be written or read.
int LogCommandLine(const std::string& logPath, const std::string& commandLine) {
    std::string logText;
    if (!AppendToFile(logPath, commandLine + "\r\n") || !ReadWholeFile(logPath, &logText)) {
        return 0;
    }
    return CountLogLines(logText);
}

[[noreturn]] void CrashLikeAGame() {
    // No debugger and no crash dialog: the process just dies with the access violation's code.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(
        [](EXCEPTION_POINTERS*) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
    int* volatile nowhere = nullptr;
    *nowhere = 0x2003;
    ::ExitProcess(static_cast<UINT>(EXCEPTION_ACCESS_VIOLATION));
}

[[noreturn]] void HangForever() {
    for (;;) {
        ::Sleep(INFINITE);
    }
}

struct RunFiles {
    std::string systemIni;
    std::string userIni;
    std::string execFile;
};

// Resolves the files the command line names and checks that each exists.
bool FindRunFiles(const ParsedCommandLine& line, const std::string& gameFolder,
                  const std::string& systemFolder, RunFiles* files, std::string* error) {
    struct Named {
        const std::string& given;
        const char* what;
        const char* fallback;
        std::string* resolved;
    };
    const Named named[] = {
        {line.systemIni, "System ini file (ini=)", "UT2003.ini", &files->systemIni},
        {line.userIni, "User ini file (userini=)", "User.ini", &files->userIni},
        {line.execFile, "Exec file (-exec=)", nullptr, &files->execFile},
    };
    for (const Named& file : named) {
        if (file.given.empty()) {
            *file.resolved = file.fallback ? systemFolder + "\\" + file.fallback : "";
            continue;
        }
        *file.resolved = ResolveGamePath(systemFolder, file.given);
        if (!FileExists(*file.resolved)) {
            *error = Format("%s not found: %s (%s)", file.what, file.given.c_str(),
                            file.resolved->c_str());
            return false;
        }
    }
    const std::string mapsFolder = gameFolder + "\\Maps";
    if (!FindNameIgnoringCase(ListFiles(mapsFolder, "*.ut2"), MapFileName(line.mapName))) {
        *error =
            Format("Map not found: %s\\%s", mapsFolder.c_str(), MapFileName(line.mapName).c_str());
        return false;
    }
    return true;
}

struct Processor {
    std::string name;
    int clockMhz = 0;
};

bool DescribeProcessor(Processor* processor, std::string* error) {
    if (const auto given = EnvironmentValue(kProcessorVariable)) {
        ProcessorOverride parsed;
        if (!ParseProcessorOverride(*given, &parsed, error)) {
            return false;
        }
        *processor = Processor{parsed.name, parsed.clockMhz};
        return true;
    }
    *processor = Processor{ProcessorBrand(), ProcessorClockMhz()};
    return true;
}

bool WriteResultFile(const std::string& csvFolder, const std::string& bytes, std::string* name,
                     std::string* error) {
    if (!MakeFolders(csvFolder)) {
        *error = WithLastError("Can't create " + csvFolder);
        return false;
    }
    *name = NextResultCsvName(ListFiles(csvFolder, "*.csv"));
    if (name->empty()) {
        *error = "No result file name sorts after the files in " + csvFolder;
        return false;
    }
    const std::string path = csvFolder + "\\" + *name;
    if (!WriteNewFile(path, bytes)) {
        *error = WithLastError("Can't write " + path);
        return false;
    }
    return true;
}

void KeepIniCopies(const std::string& folder, int runNumber, const std::string& systemIni,
                   const std::string& userIni, GameLog* log) {
    const std::string stem = Format("%s\\run-%d-", folder.c_str(), runNumber);
    if (!MakeFolders(folder) || !WriteWholeFile(stem + "system.ini", systemIni) ||
        !WriteWholeFile(stem + "user.ini", userIni)) {
        log->Note(WithLastError("Can't keep the ini files in " + folder));
    }
}

std::string ModeText(const ParsedCommandLine& line) {
    return line.mode == GameMode::Flyby ? std::string("flyby")
                                        : Format("botmatch, %d bots", line.botCount);
}

}  // namespace

int RunSimulatedGame(const std::string& commandLine) {
    const std::string systemFolder = ProgramFolder();
    const std::string gameFolder = FolderOf(systemFolder);
    GameLog log(systemFolder + "\\UT2003.log");
    log.Note("UT2003 benchmark simulation, engine build 2225");
    log.Note("Command line: " + commandLine);

    const std::string commandLog =
        EnvironmentValue(kLogVariable).value_or(systemFolder + "\\ut2003sim.log");
    const int runNumber = LogCommandLine(commandLog, commandLine);
    log.Note(runNumber > 0 ? Format("Run %d", runNumber)
                           : "Can't write the command-line log " + commandLog);

    std::string error;
    FailureSwitch failureSwitch;
    double timeScale = 1.0;
    if (!ParseFailureSwitch(EnvironmentValue(kFailVariable).value_or(""), &failureSwitch, &error) ||
        !ParseTimeScale(EnvironmentValue(kTimeScaleVariable).value_or(""), &timeScale, &error)) {
        return log.Refuse(error, kExitRefused);
    }
    const Failure failure = FailureForRun(failureSwitch, runNumber);
    if (failure == Failure::Exit) {
        log.Note("Exiting at once as asked");
        return kExitOk;
    }
    if (failure == Failure::Hang) {
        log.Note("Hanging as asked");
        log.Flush();
        HangForever();
    }

    ParsedCommandLine line;
    RunFiles files;
    Processor processor;
    if (!ParseGameCommandLine(commandLine, &line, &error) ||
        !FindRunFiles(line, gameFolder, systemFolder, &files, &error) ||
        !DescribeProcessor(&processor, &error)) {
        return log.Refuse(error, kExitRefused);
    }

    RunSetup setup;
    setup.mapName = line.mapName;
    setup.mode = line.mode;
    setup.botCount = line.botCount;
    setup.seconds = line.seconds;
    setup.detail = LoadDetailSettings(files.systemIni, files.userIni);
    setup.resolution =
        line.resolution.value_or(setup.detail.fullscreenViewport.value_or(Resolution{640, 480}));
    std::string systemIniText;
    std::string userIniText;
    ReadWholeFile(files.systemIni, &systemIniText);
    ReadWholeFile(files.userIni, &userIniText);
    if (const auto copies = EnvironmentValue(kIniCopyVariable)) {
        KeepIniCopies(*copies, runNumber, systemIniText, userIniText, &log);
    }
    const std::vector<Subframe> frames = SimulateRun(
        setup, line.argumentText, RunSeed(line.argumentText, systemIniText, userIniText));

    const std::string description =
        Format("%s, %s, %dx%d, %d s", line.mapName.c_str(), ModeText(line).c_str(),
               setup.resolution.width, setup.resolution.height, line.seconds);
    log.Note("Benchmark: " + description);
    log.Note("System ini: " + files.systemIni);
    log.Note("User ini: " + files.userIni);

    // A long run at a large scale would overflow the wait; some 49 days is plenty.
    const DWORD durationMs = static_cast<DWORD>(std::min(line.seconds * timeScale * 1000.0, 4.0e9));
    std::unique_ptr<RunWindow> window;
    if (durationMs > 0) {
        window = std::make_unique<RunWindow>("UT2003 benchmark simulation - " + line.mapName,
                                             description, durationMs);
    }
    const DWORD firstPart = failure == Failure::Crash ? durationMs / 2 : durationMs;
    if (window && !window->Wait(firstPart)) {
        log.Note("Window closed: the run ends without a result");
        return kExitOk;
    }
    if (failure == Failure::Crash) {
        log.Note("Crashing as asked");
        log.Flush();
        CrashLikeAGame();
    }
    if (failure == Failure::NoCsv) {
        log.Note("Writing no result file, as asked");
        return kExitOk;
    }

    ResultHeader header;
    header.processorName = processor.name;
    header.clockMhz = processor.clockMhz;
    header.videoCard = kVideoCard;
    header.runLine = line.argumentText;
    const std::string csv = failure == Failure::Truncated ? FormatTruncatedResultCsv(header, frames)
                                                          : FormatResultCsv(header, frames);
    std::string name;
    if (!WriteResultFile(gameFolder + "\\Benchmark\\CSVs", csv, &name, &error)) {
        return log.Refuse(error, kExitWriteFailed);
    }
    log.Note("Result file: " + name);
    return kExitOk;
}

}  // namespace tarvik::simgame
