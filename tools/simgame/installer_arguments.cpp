#include "tools/simgame/installer_arguments.h"

#include <utility>

#include "base/format.h"

namespace tarvik::simgame {
namespace {

bool ReadEdition(const std::string& text, Edition* edition) {
    if (text == "full" || text == "demo") {
        *edition = text == "full" ? Edition::Full : Edition::Demo;
        return true;
    }
    return false;
}

bool ReadRegistration(const std::string& text, Registration* registration) {
    static const std::pair<const char*, Registration> kNames[] = {
        {"full", Registration::Full},
        {"demo", Registration::Demo},
        {"both", Registration::Both},
        {"none", Registration::None},
    };
    for (const auto& [name, value] : kNames) {
        if (text == name) {
            *registration = value;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string InstallerRequest::FullFolder() const {
    return edition == Edition::Full ? folder : std::string();
}

std::string InstallerRequest::DemoFolder() const {
    if (!demoFolder.empty()) {
        return demoFolder;
    }
    return edition == Edition::Demo ? folder : std::string();
}

bool ParseInstallerArguments(const std::vector<std::string>& arguments, InstallerRequest* request,
                             std::string* error) {
    *request = InstallerRequest{};
    bool registrationGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h" || option == "/?") {
            request->help = true;
            return true;
        }
        if (i + 1 >= arguments.size()) {
            *error = Format("Unknown option or missing value: %s", option.c_str());
            return false;
        }
        const std::string& value = arguments[++i];
        if (option == "--folder") {
            request->folder = value;
        } else if (option == "--demo-folder") {
            request->demoFolder = value;
        } else if (option == "--game-exe") {
            request->gameExe = value;
        } else if (option == "--edition") {
            if (!ReadEdition(value, &request->edition)) {
                *error = Format("--edition takes full or demo, not %s", value.c_str());
                return false;
            }
        } else if (option == "--register") {
            if (!ReadRegistration(value, &request->registration)) {
                *error = Format("--register takes full, demo, both or none, not %s", value.c_str());
                return false;
            }
            registrationGiven = true;
        } else {
            *error = Format("Unknown option: %s", option.c_str());
            return false;
        }
    }
    if (!registrationGiven) {
        request->registration =
            request->edition == Edition::Full ? Registration::Full : Registration::Demo;
    }
    if (request->folder.empty() && request->demoFolder.empty() &&
        request->registration != Registration::None) {
        *error = "--folder is missing";
        return false;
    }
    const bool needsFull =
        request->registration == Registration::Full || request->registration == Registration::Both;
    const bool needsDemo =
        request->registration == Registration::Demo || request->registration == Registration::Both;
    if (needsFull && request->FullFolder().empty()) {
        *error = "Registering the full game needs --folder with --edition full";
        return false;
    }
    if (needsDemo && request->DemoFolder().empty()) {
        *error = "Registering the demo needs --demo-folder, or --folder with --edition demo";
        return false;
    }
    return true;
}

std::string InstallerUsage() {
    return "Usage: make_installation.exe --folder <game folder> --edition full|demo\n"
           "                             --register full|demo|both|none\n"
           "                             [--demo-folder <folder>] [--game-exe <ut2003.exe>]\n"
           "Builds a simulated UT2003 installation and enters it in the registry.\n"
           "--demo-folder builds a demo installation there as well (for --register both).\n"
           "--register defaults to the edition; none removes both registry keys.\n";
}

}  // namespace tarvik::simgame
