#include "bench/win32/run_driver.h"

#include <vector>

#include "base/win32/handles.h"

namespace tarvik {

bool RunGameAndWait(const std::string& commandLine, Prompt& prompt,
                    const std::function<void(DWORD processId)>& onStarted) {
    // CreateProcessA may write into its command line.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        prompt.Show("Can't execute benchmark", kProgramName);
        return false;
    }
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    if (onStarted) {
        onStarted(started.dwProcessId);
    }
    WaitForSingleObject(process.Get(), INFINITE);
    return true;
}

void FinishSequence(const PageContext& context, int runCount, bool onlyCurrentResults) {
    if (onlyCurrentResults) {
        context.state.settings.maxResults = runCount;
    }
    context.prompt.Show("Finished Benchmarking", "!");
    context.pages.ShowPage(kPageResults);
}

void RunPresetSequence(const PageContext& context, GameLauncher& launcher,
                       const std::vector<std::string>& lines,
                       const std::function<void()>& afterRuns) {
    for (const std::string& line : lines) {
        launcher.RunAndWait(line);
    }
    if (afterRuns) {
        afterRuns();
    }
    FinishSequence(context, static_cast<int>(lines.size()), context.state.onlyCurrentBenchmark);
}

}  // namespace tarvik
