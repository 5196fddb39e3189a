#pragma once
// The Custom tab's script editor worked from outside: a new script made as a user makes one,
// ini files picked from the lists, maps added with their run times, saved through the save
// dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/harness/tarvik_process.h"

namespace tarvik::e2e {

inline constexpr const char* kScriptEditorTitle = "Create/Edit  Benchmark Script";

struct ScriptRecipe {
    std::string systemIni;  // names as the editor's lists show them
    std::string userIni;
    bool botmatch = false;
    std::vector<std::pair<std::string, std::string>> maps;  // map file name, seconds
    std::string savePath;                                   // full path typed into the save dialog
};

// Presses "New" on the Custom tab, makes the script, saves it and closes the editor with
// "Return". `look` hears each Seconds dialog before its OK ("seconds") and the editor just
// before it saves ("editor"), for screenshots.
using EditorLook = std::function<void(HWND window, const std::string& what)>;
::testing::AssertionResult MakeScriptInEditor(const TarvikProcess& tarvik, HWND customPage,
                                              const ScriptRecipe& recipe,
                                              const EditorLook& look = {});

}  // namespace tarvik::e2e
