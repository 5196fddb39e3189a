#include "bench/win32/standard_run.h"

#include <memory>

#include "base/format.h"
#include "base/win32/self_resource.h"
#include "bench/standard_run.h"
#include "bench/win32/integrity_monitor.h"
#include "bench/win32/run_driver.h"
#include "res/resource_ids.h"
#include "results/win32/game_files.h"

namespace tarvik {

namespace {

class WindowsStandardRunPlatform : public StandardRunPlatform {
  public:
    WindowsStandardRunPlatform(const AppState& state, Prompt& prompt)
        : state_(state), prompt_(prompt) {}

    bool ArmMonitor(std::string* error) override {
        monitor_ = IntegrityMonitor::Arm(error);
        return monitor_ != nullptr;
    }
    void ReleaseMonitor() override { monitor_.reset(); }

    bool WriteIniFiles(std::string* failedPath) override {
        const struct {
            std::unique_ptr<CSelfXResource>& writer;
            int resource;
            const char* pattern;
        } files[] = {
            {systemIni_, IDR_SYSTEM_INI, "%s\\Benchmark\\Stuff\\CustomMaxSystem.ini"},
            {userIni_, IDR_USER_INI, "%s\\Benchmark\\Stuff\\CustomMaxUser.ini"},
        };
        for (const auto& file : files) {
            file.writer = std::make_unique<CSelfXResource>(file.resource, "inifile");
            const std::string path = Format(file.pattern, state_.gameFolder.c_str());
            if (file.writer->Extract(path) != 0) {
                *failedPath = path;
                return false;
            }
        }
        return true;
    }
    void DiscardIniFiles() override {
        systemIni_.reset();
        userIni_.reset();
    }

    bool RunGame(const std::string& commandLine) override {
        disturbed_ = false;
        const bool started = RunGameAndWait(commandLine, prompt_, [this](DWORD processId) {
            if (monitor_) {
                monitor_->BeginRun(processId);
            }
        });
        if (monitor_) {
            disturbed_ = monitor_->RunWasDisturbed(nullptr);
        }
        return started;
    }
    bool LastRunDisturbed() override { return disturbed_; }

  private:
    const AppState& state_;
    Prompt& prompt_;
    std::unique_ptr<IntegrityMonitor> monitor_;
    std::unique_ptr<CSelfXResource> systemIni_;
    std::unique_ptr<CSelfXResource> userIni_;
    bool disturbed_ = false;
};

}  // namespace

void RunStandardBenchmark(const PageContext& context) {
    WindowsStandardRunPlatform platform(context.state, context.prompt);
    WindowsGameFiles files;
    // The window does not answer while the game runs; a wait cursor says why.
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    RunStandardBenchmark(context.state, platform, files, context.prompt, context.pages);
    SetCursor(previous);
}

}  // namespace tarvik
