#include "tests/e2e/harness/script_editor.h"

#include "res/resource_ids.h"
#include "tests/e2e/harness/controls.h"
#include "tests/e2e/harness/file_dialog.h"
#include "tests/e2e/harness/message_box.h"
#include "tests/e2e/harness/timing.h"
#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {

bool IsTitled(const WindowInfo& window, const char* title) {
    return window.visible && window.title == title;
}

::testing::AssertionResult ShowsText(HWND dialog, int id, const std::string& text) {
    if (WaitUntil([&] { return ControlText(dialog, id) == text; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "control " << id << " shows \""
                                         << ControlText(dialog, id) << "\", not \"" << text << "\"";
}

// Highlights the map, presses "Add Map >>" and answers the Seconds dialog.
::testing::AssertionResult AddMap(const TarvikProcess& tarvik, HWND editor, const std::string& map,
                                  const std::string& seconds, const EditorLook& look) {
    const std::size_t before = ListBoxLines(editor, IDC_EDITOR_SELECTED).size();
    auto step = SelectListLine(editor, IDC_EDITOR_AVAILABLE, map);
    if (step) {
        step = ClickButton(editor, IDC_EDITOR_ADD);
    }
    HWND asked = nullptr;
    const auto isSeconds = [](const WindowInfo& window) { return IsTitled(window, "Seconds"); };
    if (step) {
        step = WaitForWindow(tarvik, isSeconds, "the Seconds dialog", &asked);
    }
    if (step) {
        step = SetControlText(asked, IDC_SECONDS_VALUE, seconds);
    }
    if (step && look) {
        look(asked, "seconds");
    }
    if (step) {
        step = ClickButton(asked, IDOK);
    }
    if (step) {
        step = WaitForWindowGone(tarvik, isSeconds, "the Seconds dialog");
    }
    if (step && !WaitUntil([&] {
            return ListBoxLines(editor, IDC_EDITOR_SELECTED).size() == before + 1;
        })) {
        step = ::testing::AssertionFailure() << map << " was not added";
    }
    return step;
}

}  // namespace

::testing::AssertionResult MakeScriptInEditor(const TarvikProcess& tarvik, HWND customPage,
                                              const ScriptRecipe& recipe, const EditorLook& look) {
    const auto isEditor = [](const WindowInfo& window) {
        return IsTitled(window, kScriptEditorTitle);
    };
    HWND editor = nullptr;
    auto step = ClickButton(customPage, IDC_CUSTOM_NEW);
    if (step) {
        step = WaitForWindow(tarvik, isEditor, "the script editor", &editor);
    }
    if (step) {
        step = SelectListLine(editor, IDC_EDITOR_SYSTEM_LIST, recipe.systemIni);
    }
    if (step) {
        step = ShowsText(editor, IDC_EDITOR_SYSTEM_CHOSEN, recipe.systemIni);
    }
    if (step) {
        step = SelectListLine(editor, IDC_EDITOR_USER_LIST, recipe.userIni);
    }
    if (step) {
        step = ShowsText(editor, IDC_EDITOR_USER_CHOSEN, recipe.userIni);
    }
    if (step && recipe.botmatch) {
        step = ClickButton(editor, IDC_EDITOR_BOTMATCH);
        if (step) {
            step = ShowsText(editor, IDC_EDITOR_BOT_COUNT, "12");
        }
    }
    for (const auto& [map, seconds] : recipe.maps) {
        if (step) {
            step = AddMap(tarvik, editor, map, seconds, look);
        }
    }
    if (step && look) {
        look(editor, "editor");
    }
    if (step) {
        step = ClickButton(editor, IDC_EDITOR_SAVE);
    }
    if (step) {
        step = AnswerFileDialog(tarvik, recipe.savePath);
    }
    if (step) {
        step = AnswerMessageBox(tarvik, "Save Complete :-)", "!");
    }
    if (step) {
        step = ClickButton(editor, IDC_EDITOR_RETURN);
    }
    if (step) {
        step = WaitForWindowGone(tarvik, isEditor, "the script editor");
    }
    return step;
}

}  // namespace tarvik::e2e
