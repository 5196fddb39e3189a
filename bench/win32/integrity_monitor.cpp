#include "bench/win32/integrity_monitor.h"

#include "base/format.h"
#include "res/resource_ids.h"

#include <vector>

namespace tarvik {

namespace {

constexpr const char* kLibraryType = "DLL";

void SetError(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
}

// A name no other run, and no other copy of the program, is using.
std::string UniqueLibraryPath() {
    char folder[MAX_PATH + 1] = "";
    const DWORD length = GetTempPathA(sizeof folder, folder);
    const std::string tempFolder = length > 0 && length < sizeof folder ? folder : ".\\";
    const unsigned long processId = GetCurrentProcessId();
    unsigned long tick = GetTickCount();
    std::string path;
    do {
        path = Format("%squenby32-%lu-%lu.dll", tempFolder.c_str(), processId, tick++);
    } while (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES);
    return path;
}

template <typename Function>
bool FindExport(HMODULE library, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return *function != nullptr;
}

}  // namespace

std::unique_ptr<IntegrityMonitor> IntegrityMonitor::Arm(std::string* error) {
    auto writtenFile = std::make_unique<CSelfXResource>(IDR_MONITOR_DLL, kLibraryType);
    const std::string path = UniqueLibraryPath();
    if (const DWORD code = writtenFile->Extract(path)) {
        SetError(error, Format("The run-integrity monitor could not be written to %s (error %lu).",
                               path.c_str(), static_cast<unsigned long>(code)));
        return nullptr;
    }
    return Load(std::move(writtenFile), path, error);
}

std::unique_ptr<IntegrityMonitor> IntegrityMonitor::ArmFromFile(const std::string& dllPath,
                                                                std::string* error) {
    return Load(nullptr, dllPath, error);
}

std::unique_ptr<IntegrityMonitor> IntegrityMonitor::Load(
    std::unique_ptr<CSelfXResource> writtenFile, const std::string& libraryPath,
    std::string* error) {
    LoadedModule library(LoadLibraryA(libraryPath.c_str()));
    if (!library) {
        SetError(error, Format("The run-integrity monitor %s could not be loaded (error %lu).",
                               libraryPath.c_str(), static_cast<unsigned long>(GetLastError())));
        return nullptr;
    }
    Exports exports;
    const char* missing = nullptr;
    if (!FindExport(library.Get(), "QuenbyArm", &exports.arm)) {
        missing = "QuenbyArm";
    } else if (!FindExport(library.Get(), "QuenbyBeginRun", &exports.beginRun)) {
        missing = "QuenbyBeginRun";
    } else if (!FindExport(library.Get(), "QuenbyRunWasDisturbed", &exports.runWasDisturbed)) {
        missing = "QuenbyRunWasDisturbed";
    } else if (!FindExport(library.Get(), "QuenbyLastReason", &exports.lastReason)) {
        missing = "QuenbyLastReason";
    } else if (!FindExport(library.Get(), "QuenbyRelease", &exports.release)) {
        missing = "QuenbyRelease";
    }
    if (missing) {
        SetError(error, Format("The run-integrity monitor %s has no function %s.",
                               libraryPath.c_str(), missing));
        return nullptr;
    }
    if (const int code = exports.arm()) {
        SetError(error, Format("The run-integrity monitor could not be armed (error %d).", code));
        return nullptr;
    }
    SetError(error, "");
    return std::unique_ptr<IntegrityMonitor>(
        new IntegrityMonitor(std::move(writtenFile), libraryPath, std::move(library), exports));
}

IntegrityMonitor::IntegrityMonitor(std::unique_ptr<CSelfXResource> writtenFile,
                                   std::string libraryPath, LoadedModule library, Exports exports)
    : writtenFile_(std::move(writtenFile)),
      libraryPath_(std::move(libraryPath)),
      library_(std::move(library)),
      exports_(exports) {}

IntegrityMonitor::~IntegrityMonitor() {
    exports_.release();
    // Then the members: the library is unloaded, then its file deleted.
}

void IntegrityMonitor::BeginRun(DWORD gameProcessId) {
    exports_.beginRun(gameProcessId);
}

bool IntegrityMonitor::RunWasDisturbed(std::string* reason) {
    const bool disturbed = exports_.runWasDisturbed() != 0;
    if (reason) {
        const int length = exports_.lastReason(nullptr, 0);
        std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        exports_.lastReason(text.data(), static_cast<int>(text.size()));
        *reason = text.data();
    }
    return disturbed;
}

}  // namespace tarvik
