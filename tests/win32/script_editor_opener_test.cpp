#include "bench/win32/script_editor_opener.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/win32/support/modal_watcher.h"
#include "tests/win32/support/script_editor_host.h"

namespace tarvik {
namespace {

class ScriptEditorModal : public ScriptEditorSuite {};

TEST_F(ScriptEditorModal, CustomTabOpensTheEditorModallyOnTheChosenScript) {
    const std::string script = game.WriteFile(
        GameSubfolder::Stuff, "chosen.tvx",
        "[OPTIONS]\nflyby=false\nnbots=7\n[MAPS]\nmap0=CTF-Face3.ut2\nsec0=116\nnmaps=1\n");
    ModalScriptEditor opener(context, files);
    std::vector<std::string> selected;
    std::string bots;
    const ModalWatcher watcher(Host(), "Create/Edit  Benchmark Script", [&](HWND editor) {
        selected = ListBox(editor, IDC_EDITOR_SELECTED).Texts();
        bots = Control(editor, IDC_EDITOR_BOT_COUNT).Text();
        PostMessageA(GetDlgItem(editor, IDC_EDITOR_RETURN), BM_CLICK, 0, 0);
    });
    editMode = true;
    opener.Open(Host(), editMode, script);
    EXPECT_TRUE(watcher.Seen());
    EXPECT_EQ(selected, std::vector<std::string>{"CTF-Face3.ut2"});
    EXPECT_EQ(bots, "7");
    EXPECT_FALSE(editMode);
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace tarvik
