// make_installation.exe: builds a simulated game installation and registers it.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/simgame/installer_arguments.h"
#include "tools/simgame/win32/installer.h"

namespace {

using tarvik::simgame::Edition;
using tarvik::simgame::Registration;

const char* EditionName(Edition edition) {
    return edition == Edition::Full ? "full" : "demo";
}

int Failed(const std::string& message) {
    std::fprintf(stderr, "make_installation: %s\n", message.c_str());
    return 1;
}

bool Build(const std::string& folder, Edition edition, const std::string& gameExe,
           std::string* error) {
    if (!tarvik::simgame::BuildInstallation(folder, edition, gameExe, error)) {
        return false;
    }
    std::printf("Built the %s installation (version %s) in %s\n", EditionName(edition),
                tarvik::simgame::GameVersion(edition).c_str(), folder.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    namespace sim = tarvik::simgame;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    sim::InstallerRequest request;
    std::string error;
    if (!sim::ParseInstallerArguments(arguments, &request, &error)) {
        std::fputs(sim::InstallerUsage().c_str(), stderr);
        return Failed(error);
    }
    if (request.help) {
        std::fputs(sim::InstallerUsage().c_str(), stdout);
        return 0;
    }
    const std::string gameExe =
        request.gameExe.empty() ? sim::GameExecutableBesideProgram() : request.gameExe;

    if (!request.folder.empty() && !Build(request.folder, request.edition, gameExe, &error)) {
        return Failed(error);
    }
    if (!request.demoFolder.empty() && !Build(request.demoFolder, Edition::Demo, gameExe, &error)) {
        return Failed(error);
    }
    if (!sim::RegisterInstallation(request.FullFolder(), request.DemoFolder(), request.registration,
                                   &error)) {
        return Failed(error);
    }
    const bool full =
        request.registration == Registration::Full || request.registration == Registration::Both;
    const bool demo =
        request.registration == Registration::Demo || request.registration == Registration::Both;
    std::printf("HKLM\\%s: %s\n", sim::kFullRegistryKey,
                full ? ("Folder=" + request.FullFolder()).c_str() : "removed");
    std::printf("HKLM\\%s: %s\n", sim::kDemoRegistryKey,
                demo ? ("Folder=" + request.DemoFolder()).c_str() : "removed");
    return 0;
}
