#include "tests/e2e/harness/game_fixture.h"

#include <windows.h>

#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/registry.h"

#if defined(TARVIK_E2E_SIMGAME_INSTALLER)
#include "tools/simgame/win32/installer.h"
#endif

namespace tarvik::e2e {

namespace {

bool HasFull(Installed editions) {
    return editions == Installed::Full || editions == Installed::Both;
}
bool HasDemo(Installed editions) {
    return editions == Installed::Demo || editions == Installed::Both;
}

// Test cases of one parameterised test share a prefix: start each from a machine without game.
::testing::AssertionResult RemovePreviousInstallation() {
    for (const char* key : {kFullGameKey, kDemoGameKey}) {
        const LONG error = DeleteRegistryTree(HKEY_LOCAL_MACHINE, key);
        if (error != ERROR_SUCCESS) {
            return ::testing::AssertionFailure()
                   << "could not remove HKLM\\" << key << ": " << ErrorText(error);
        }
    }
    for (const char* folder : {kFullGameFolder, kDemoGameFolder}) {
        if (!DeleteTree(folder)) {
            return ::testing::AssertionFailure() << "could not remove " << folder;
        }
    }
    return ::testing::AssertionSuccess();
}

#if defined(TARVIK_E2E_SIMGAME_INSTALLER)

::testing::AssertionResult InstallEdition(const std::string& folder, bool demo) {
    std::string error;
    if (!simgame::BuildInstallation(folder, demo ? simgame::Edition::Demo : simgame::Edition::Full,
                                    SimulatedGameExePath(), &error)) {
        return ::testing::AssertionFailure()
               << "could not install the simulated game into " << folder << ": " << error;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Register(const std::string& full, const std::string& demo,
                                    Installed editions) {
    const simgame::Registration registration =
        editions == Installed::Full   ? simgame::Registration::Full
        : editions == Installed::Demo ? simgame::Registration::Demo
        : editions == Installed::Both ? simgame::Registration::Both
                                      : simgame::Registration::None;
    std::string error;
    if (!simgame::RegisterInstallation(full, demo, registration, &error)) {
        return ::testing::AssertionFailure() << "could not register the simulated game: " << error;
    }
    return ::testing::AssertionSuccess();
}

#else

// Until the simulated game's installer is built: the folders the program looks into and the
// game executable when there is one.
::testing::AssertionResult InstallEdition(const std::string& folder, bool /*demo*/) {
    for (const char* sub : {"System", "Maps", "Benchmark\\CSVs", "Benchmark\\Stuff"}) {
        if (!CreateFolders(JoinPath(folder, sub))) {
            return ::testing::AssertionFailure() << "could not create " << JoinPath(folder, sub);
        }
    }
    if (FileExists(SimulatedGameExePath()) &&
        !CopyFileA(SimulatedGameExePath().c_str(), JoinPath(folder, "System\\ut2003.exe").c_str(),
                   FALSE)) {
        return ::testing::AssertionFailure() << "could not copy the simulated game into " << folder
                                             << ": " << ErrorText(GetLastError());
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Register(const std::string& full, const std::string& demo,
                                    Installed editions) {
    const struct {
        bool wanted;
        const char* key;
        const std::string& folder;
    } keys[] = {{HasFull(editions), kFullGameKey, full}, {HasDemo(editions), kDemoGameKey, demo}};
    for (const auto& key : keys) {
        if (!key.wanted) {
            continue;
        }
        const LONG error =
            WriteRegistryString(HKEY_LOCAL_MACHINE, key.key, kFolderValue, key.folder);
        if (error != ERROR_SUCCESS) {
            return ::testing::AssertionFailure()
                   << "could not write HKLM\\" << key.key << " \"Folder\": " << ErrorText(error);
        }
    }
    return ::testing::AssertionSuccess();
}

#endif

}  // namespace

::testing::AssertionResult GameFixture::Install(Installed editions) {
    auto removed = RemovePreviousInstallation();
    if (!removed) {
        return removed;
    }
    fullFolder_ = HasFull(editions) ? kFullGameFolder : "";
    demoFolder_ = HasDemo(editions) ? kDemoGameFolder : "";
    if (HasFull(editions)) {
        auto installed = InstallEdition(fullFolder_, false);
        if (!installed) {
            return installed;
        }
    }
    if (HasDemo(editions)) {
        auto installed = InstallEdition(demoFolder_, true);
        if (!installed) {
            return installed;
        }
    }
    return Register(fullFolder_, demoFolder_, editions);
}

const std::string& GameFixture::GameFolder() const {
    return fullFolder_.empty() ? demoFolder_ : fullFolder_;
}

}  // namespace tarvik::e2e
