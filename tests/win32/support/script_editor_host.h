#pragma once
// The script editor's test bench: run times answered from a script, and a game folder with ini
// files and maps in which an editor is opened modeless.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "scripts/win32/script_editor.h"
#include "scripts/win32/seconds_dialog.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/scripted_file_chooser.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/opened_dialog.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {

// Records what each question offered; answers from the script, where nullopt (also when the
// script has run out) is the user closing the dialog without OK.
class ScriptedRunTimes : public RunTimeAsker {
  public:
    void Ask(HWND, std::string& pendingRunTime) override {
        offered.push_back(pendingRunTime);
        if (answers.empty()) {
            return;
        }
        const std::optional<std::string> answer = answers.front();
        answers.pop_front();
        if (answer) {
            pendingRunTime = *answer;
        }
    }

    std::vector<std::string> offered;
    std::deque<std::optional<std::string>> answers;
};

using OpenedEditor = OpenedDialog<Cnew>;

inline const std::vector<std::string>& FixtureMaps() {
    static const std::vector<std::string> maps{"DM-Asbestos.ut2", "CTF-Face3.ut2", "BR-Endagra.ut2",
                                               "DM-Antalus.ut2"};
    return maps;
}

class ScriptEditorSuite : public HostWindowSuite {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        HostWindowSuite::SetUpTestSuite();
    }

    ScriptEditorSuite() {
        state.gameFolder = game.Path();
        game.WriteFile(GameSubfolder::Stuff, "MaxSystem.ini", "[URL]\r\nProtocol=ut2003\r\n");
        game.WriteFile(GameSubfolder::Stuff, "Fast.ini", "[URL]\r\n");
        game.WriteFile(GameSubfolder::Stuff, "Player.ini", "[DefaultPlayer]\r\nName=Tester\r\n");
        game.WriteFile(GameSubfolder::Stuff, "Notes.ini", "; neither kind\r\n");
        game.WriteFile(GameSubfolder::Stuff, "Short.ini", "[UR");
        game.WriteFile(GameSubfolder::Stuff, "flybyexec.txt", "[URL]\r\n");
        for (const std::string& map : FixtureMaps()) {
            game.WriteFile(GameSubfolder::Maps, map, "map");
        }
    }

    std::string StuffPath(const std::string& name) const {
        return state.gameFolder + "\\Benchmark\\Stuff\\" + name;
    }

    // A new script's editor (or the chosen one's when editMode is set first).
    std::unique_ptr<OpenedEditor> Open(const std::string& chosenScript = "") {
        return std::make_unique<OpenedEditor>(Host(), context, files, editMode, chosenScript,
                                              runTimes);
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : prompt.messages) {
            EXPECT_EQ(message.caption, "!") << message.text;
            EXPECT_EQ(message.buttons, PromptButtons::Ok) << message.text;
            texts.push_back(message.text);
        }
        return texts;
    }

    TempGameFolder game{GameSubfolder::Stuff, GameSubfolder::Maps, GameSubfolder::System};
    AppState state;
    NoPages pages;
    RecordingPrompt prompt;
    PageContext context{state, pages, prompt};
    ScriptedFileChooser files;
    ScriptedRunTimes runTimes;
    bool editMode = false;
};

}  // namespace tarvik
