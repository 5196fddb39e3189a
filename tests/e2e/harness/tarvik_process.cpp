#include "tests/e2e/harness/tarvik_process.h"

#include <cstring>

#include "base/format.h"
#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/registry.h"

namespace tarvik::e2e {

namespace {

constexpr DWORD kKilledExitCode = 0xDEAD;

bool SameName(const std::string& entry, const std::string& name) {
    return entry.size() > name.size() && entry[name.size()] == '=' &&
           _strnicmp(entry.c_str(), name.c_str(), name.size()) == 0;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

std::string EnvironmentBlockWith(
    const std::vector<std::pair<std::string, std::string>>& variables) {
    std::vector<std::string> entries;
    if (char* block = GetEnvironmentStringsA()) {
        for (const char* entry = block; *entry; entry += std::strlen(entry) + 1) {
            entries.emplace_back(entry);
        }
        FreeEnvironmentStringsA(block);
    }
    for (const auto& [name, value] : variables) {
        bool replaced = false;
        for (auto& entry : entries) {
            if (SameName(entry, name)) {
                entry = name + "=" + value;
                replaced = true;
            }
        }
        if (!replaced) {
            entries.push_back(name + "=" + value);
        }
    }
    std::string block;
    for (const auto& entry : entries) {
        block += entry;
        block += '\0';
    }
    block += '\0';
    return block;
}

TarvikProcess::~TarvikProcess() {
    Kill();
}

::testing::AssertionResult TarvikProcess::Start(const ProcessOptions& options) {
    if (process_) {
        return ::testing::AssertionFailure()
               << exePath_ << " is already started (pid " << pid_ << ")";
    }
    exePath_ = options.exePath.empty() ? TarvikExePath() : options.exePath;
    if (!FileExists(exePath_)) {
        return ::testing::AssertionFailure()
               << "cannot start " << exePath_ << ": the file is not there (not built?)";
    }
    const std::string folder =
        options.workingFolder.empty() ? FolderOf(exePath_) : options.workingFolder;
    std::string commandLine = "\"" + exePath_ + "\"";
    std::string environment = EnvironmentBlockWith(options.environment);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        environment.data(), folder.c_str(), &startup, &info)) {
        return ::testing::AssertionFailure()
               << "CreateProcessA(" << exePath_ << ") failed: " << ErrorText(GetLastError());
    }
    CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    pid_ = info.dwProcessId;
    return ::testing::AssertionSuccess();
}

bool TarvikProcess::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TarvikProcess::ExitCode() const {
    DWORD code = 0;
    if (!process_ || Running() || !GetExitCodeProcess(process_.Get(), &code)) {
        return std::nullopt;
    }
    return code;
}

::testing::AssertionResult TarvikProcess::WaitForExit(Milliseconds timeout) const {
    if (!process_) {
        return ::testing::AssertionFailure() << "the program was never started";
    }
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return ::testing::AssertionFailure()
               << exePath_ << " (pid " << pid_ << ") was expected to end within "
               << SecondsText(timeout) << " but is still running";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TarvikProcess::WaitForExitCode(DWORD expected,
                                                          Milliseconds timeout) const {
    auto ended = WaitForExit(timeout);
    if (!ended) {
        return ended;
    }
    const DWORD code = ExitCode().value_or(kKilledExitCode);
    if (code != expected) {
        return ::testing::AssertionFailure()
               << exePath_ << " ended with exit code " << code << " (0x" << std::hex << code
               << std::dec << "), expected " << expected;
    }
    return ::testing::AssertionSuccess();
}

void TarvikProcess::Kill() {
    if (Running()) {
        TerminateProcess(process_.Get(), kKilledExitCode);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

}  // namespace tarvik::e2e
