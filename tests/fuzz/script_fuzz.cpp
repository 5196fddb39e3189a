// Feeds arbitrary files to the script loaders. A script that loads for a run holds only values
// that fit the game's command line; one that the editor loads saves and loads back unchanged.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "scripts/script_format.h"
#include "tests/common/recording_prompt.h"

namespace {

using namespace tarvik;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// A folder of its own for the fuzzing process, memory-backed when there is such a folder
// (replacing a file by rename is slow on a disk), removed when the process ends.
struct Scratch {
    Scratch() {
        for (const char* base : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(base) + "/tarvik-script-fuzz-XXXXXX";
            if (mkdtemp(pattern.data()) != nullptr) {
                path = pattern;
                return;
            }
        }
        __builtin_trap();
    }
    ~Scratch() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    std::string path;
};

const std::string& ScratchFolder() {
    static const Scratch folder;
    return folder.path;
}

bool Fits(const std::string& value, std::size_t maxChars) {
    if (value.size() > maxChars) {
        return false;
    }
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

void CheckRun(const std::string& path, bool isDemo) {
    RecordingPrompt prompt;
    const auto run = LoadScriptForRun(path, "800x600", isDemo, prompt);
    if (!run) {
        Check(prompt.messages.size() == 1);
        Check(prompt.messages[0].caption == "!");
        Check(!prompt.messages[0].text.empty());
        return;
    }
    Check(prompt.messages.empty());
    Check(run->execFile == (run->flyby ? kFlybyExecFile : kBotmatchExecFile));
    Check(run->flyby || Fits(run->botCount, kMaxBotCountChars));
    Check(Fits(run->systemIni, kMaxIniPathChars) && Fits(run->userIni, kMaxIniPathChars));
    Check(run->maps.size() <= kMaxScriptMaps);
    for (const ScriptMap& entry : run->maps) {
        Check(Fits(entry.map, kMaxMapNameChars) && Fits(entry.seconds, kMaxSecondsChars));
    }
}

bool HoldsLineBreak(const ScriptDocument& document) {
    const auto breaks = [](const std::string& text) {
        return text.find_first_of("\r\n") != std::string::npos;
    };
    bool found = (!document.flyby && breaks(document.botCount)) || breaks(document.systemIni) ||
                 breaks(document.userIni);
    for (const ScriptMap& entry : document.maps) {
        found = found || breaks(entry.map) || breaks(entry.seconds);
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "/fuzz.tvx";
    const std::string savedPath = ScratchFolder() + "/saved.tvx";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    CheckRun(path, false);
    CheckRun(path, true);

    const ScriptDocument document = LoadScriptForEditing(path);
    Check(document.maps.size() <= kMaxScriptMaps);
    const bool saved = SaveScript(savedPath, document, "", false);
    Check(saved == !HoldsLineBreak(document));
    if (!saved) {
        return 0;
    }
    const ScriptDocument reloaded = LoadScriptForEditing(savedPath);
    Check(reloaded.flyby == document.flyby);
    Check(reloaded.botCount == document.botCount);
    Check(reloaded.systemIni == document.systemIni && reloaded.userIni == document.userIni);
    Check(reloaded.maps == document.maps);
    Check(!reloaded.tooManyMaps);

    // The saved script runs exactly when nothing in it is beyond the limits.
    RecordingPrompt prompt;
    const bool runs = LoadScriptForRun(savedPath, "800x600", false, prompt).has_value();
    Check(runs == ScriptProblem(document).empty());
    return 0;
}
