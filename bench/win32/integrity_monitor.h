#pragma once
// The standard run's guard against interference: quenby32.dll, written out from the program's
// resources, loaded, armed for the runs and asked after each; released, unloaded and deleted
// when this object goes.
#include "base/win32/handles.h"
#include "base/win32/self_resource.h"
#include "quenby32/quenby32.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tarvik {

class IntegrityMonitor {
  public:
    // Writes the library (resource IDR_MONITOR_DLL, type "DLL") to a file of its own in the
    // temporary folder, loads and arms it. Null, with a readable error, when any step fails;
    // nothing is left behind then.
    static std::unique_ptr<IntegrityMonitor> Arm(std::string* error);
    // Loads and arms the library at dllPath without writing or deleting anything (tests).
    static std::unique_ptr<IntegrityMonitor> ArmFromFile(const std::string& dllPath,
                                                         std::string* error);

    ~IntegrityMonitor();
    IntegrityMonitor(const IntegrityMonitor&) = delete;
    IntegrityMonitor& operator=(const IntegrityMonitor&) = delete;

    // Right after the game was started, before waiting for it.
    void BeginRun(DWORD gameProcessId);
    // After the game has ended: whether another program took part in the run; reason (may be
    // null) gets the monitor's explanation, "" when undisturbed.
    bool RunWasDisturbed(std::string* reason);

    // Where the loaded library lives.
    const std::string& LibraryPath() const { return libraryPath_; }

  private:
    struct Exports {
        QuenbyArmFunction arm = nullptr;
        QuenbyBeginRunFunction beginRun = nullptr;
        QuenbyRunWasDisturbedFunction runWasDisturbed = nullptr;
        QuenbyLastReasonFunction lastReason = nullptr;
        QuenbyReleaseFunction release = nullptr;
    };

    IntegrityMonitor(std::unique_ptr<CSelfXResource> writtenFile, std::string libraryPath,
                     LoadedModule library, Exports exports);
    static std::unique_ptr<IntegrityMonitor> Load(std::unique_ptr<CSelfXResource> writtenFile,
                                                  const std::string& libraryPath,
                                                  std::string* error);

    // Declared first so that it goes last: a loaded library cannot be deleted.
    std::unique_ptr<CSelfXResource> writtenFile_;
    std::string libraryPath_;
    LoadedModule library_;
    Exports exports_;
};

}  // namespace tarvik
