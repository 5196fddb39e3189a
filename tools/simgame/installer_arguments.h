#pragma once
// The command line of make_installation.exe:
//   --folder <game folder> --edition full|demo --register full|demo|both|none
//   [--demo-folder <folder>] [--game-exe <ut2003.exe>]
#include <string>
#include <vector>

#include "tools/simgame/installation_files.h"

namespace tarvik::simgame {

struct InstallerRequest {
    std::string folder;  // installation to build; may be empty with "--register none"
    Edition edition = Edition::Full;
    Registration registration = Registration::Full;  // defaults to the edition's own
    std::string demoFolder;  // a demo installation built as well, for "--register both"
    std::string gameExe;     // empty: ut2003.exe beside make_installation.exe
    bool help = false;

    // The folders the registry keys get: the full game's, the demo's (empty when none).
    std::string FullFolder() const;
    std::string DemoFolder() const;
};

bool ParseInstallerArguments(const std::vector<std::string>& arguments, InstallerRequest* request,
                             std::string* error);

std::string InstallerUsage();

}  // namespace tarvik::simgame
