#include "bench/standard_run.h"

#include "base/format.h"
#include "bench/command_lines.h"
#include "results/list_order.h"
#include "results/result_set.h"

namespace tarvik {

namespace {

constexpr const char* kCaption = "Tarvik !";

std::string NewestOrNull(const std::vector<std::string>& names) {
    return NewestName(names).value_or("NULL");
}

bool MapsUnmodified(const AppState& state, GameFiles& files, Prompt& prompt) {
    struct Map {
        const char* pattern;
        std::uint32_t crc;
        const char* message;
    };
    // DM-Asbestos is looked at only when DM-Antalus matched; an unreadable map counts as modified.
    const Map maps[] = {
        {"%s\\Maps\\DM-Antalus.ut2", kAntalusCrc,
         "DM-Antalus has been modified, the benchmark cannot continue."},
        {"%s\\Maps\\DM-Asbestos.ut2", kAsbestosCrc,
         "DM-Asbestos has been modified, the benchmark cannot continue."},
    };
    for (const Map& map : maps) {
        if (files.FileChecksum(Format(map.pattern, state.gameFolder.c_str())) != map.crc) {
            prompt.Show(map.message, kCaption);
            return false;
        }
    }
    return true;
}

// Runs the four lines; clears scorePending at the first run that fails.
void RunTheMaps(AppState& state, StandardRunPlatform& platform, GameFiles& files) {
    StandardRunHandOver& handOver = state.standardRun;
    const std::vector<std::string> lines =
        StandardRunCommandLines(state.gameFolder, kStandardRunResolution);
    std::string newestBefore = handOver.previousNewestCsv;
    for (std::size_t run = 0; run < lines.size() && run < handOver.runCsvCrc.size(); ++run) {
        if (!platform.RunGame(lines[run])) {
            handOver.scorePending = false;
        }
        if (platform.LastRunDisturbed()) {
            handOver.scorePending = false;
            break;
        }
        // A run must leave a file of its own: an unchanged newest name means it wrote none.
        const std::string newest = NewestOrNull(files.ListCsvNames(state.gameFolder));
        if (newest == "NULL" || newest == newestBefore) {
            handOver.scorePending = false;
            break;
        }
        newestBefore = newest;
        // 0 stands for a file that could not be read.
        handOver.runCsvCrc[run] =
            files.FileChecksum(CsvFilePath(state.gameFolder, newest)).value_or(0);
        if (!handOver.scorePending) {
            break;
        }
    }
}

}  // namespace

StandardRunOutcome RunStandardBenchmark(AppState& state, StandardRunPlatform& platform,
                                        GameFiles& files, Prompt& prompt, PageSwitcher& pages) {
    if (state.isDemo) {
        prompt.Show(
            "You cannot run this with the demo version, please go to the standard or custom tab.",
            kCaption);
        return StandardRunOutcome::RefusedDemo;
    }
    state.settings.maxResults = 4;
    StandardRunHandOver& handOver = state.standardRun;
    handOver.previousNewestCsv = NewestOrNull(files.ListCsvNames(state.gameFolder));

    if (!MapsUnmodified(state, files, prompt)) {
        return StandardRunOutcome::MapModified;
    }

    std::string error;
    if (!platform.ArmMonitor(&error)) {
        prompt.Show(Format("The run-integrity monitor could not be started (%s), so the benchmark "
                           "cannot run.",
                           error.c_str()),
                    kCaption);
        return StandardRunOutcome::MonitorUnavailable;
    }
    handOver.scorePending = true;

    std::string failedPath;
    if (!platform.WriteIniFiles(&failedPath)) {
        // Without its ini files the game would run with the player's own settings.
        handOver.scorePending = false;
        platform.DiscardIniFiles();
        platform.ReleaseMonitor();
        prompt.Show(Format("Can't write %s, the benchmark cannot continue.", failedPath.c_str()),
                    kCaption);
        return StandardRunOutcome::IniFilesUnwritable;
    }

    RunTheMaps(state, platform, files);

    platform.DiscardIniFiles();
    platform.ReleaseMonitor();

    if (!handOver.scorePending) {
        prompt.Show(kStandardRunFailedMessage, kCaption);
        return StandardRunOutcome::Failed;
    }
    state.settings.startSubframe = 10;
    state.settings.averageBySecond = false;
    pages.ShowPage(kPageResults);
    return StandardRunOutcome::Succeeded;
}

}  // namespace tarvik
