// The editor's and the Seconds dialog's templates at the font the tests run with (Wine's is
// wider than Windows'): every text shows whole and no control covers another.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/win32/support/dialog_probe.h"
#include "tests/win32/support/script_editor_host.h"

namespace tarvik {
namespace {

std::string NameOf(HWND control) {
    return std::to_string(GetDlgCtrlID(control)) + " \"" + Control(control).Text() + "\"";
}

// Group boxes hold other controls; every other pair must stay apart and inside the dialog.
void ExpectLaidOut(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const std::vector<HWND> children = ChildrenOf(dialog);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const RECT place = PlaceOf(children[i]);
        RECT inside{};
        IntersectRect(&inside, &place, &client);
        EXPECT_TRUE(EqualRect(&inside, &place)) << NameOf(children[i]) << " leaves the dialog";
        if (IsGroupBox(children[i])) {
            continue;
        }
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            const RECT other = PlaceOf(children[j]);
            RECT overlap{};
            EXPECT_TRUE(IsGroupBox(children[j]) || !IntersectRect(&overlap, &place, &other))
                << NameOf(children[i]) << " covers " << NameOf(children[j]);
        }
        if (IsStatic(children[i]) && !Control(children[i]).Text().empty()) {
            EXPECT_TRUE(ShowsWholeText(children[i])) << NameOf(children[i]) << " is cut off";
        }
    }
}

class ScriptEditorLayout : public ScriptEditorSuite {};

TEST_F(ScriptEditorLayout, EditorTextsShowWholeAndNothingOverlaps) {
    auto editor = Open();
    ExpectLaidOut(editor->hwnd);
    for (const char* text : {"Number of Bots", "Available Maps", "Selected Maps"}) {
        EXPECT_NE(ChildWithText(editor->hwnd, text), nullptr) << text;
    }
    // The widest count the label shows.
    editor->Click(IDC_EDITOR_BOTMATCH);
    SendMessageA(Trackbar(editor->hwnd, IDC_EDITOR_BOTS).Handle(), WM_KEYDOWN, VK_END, 0);
    ASSERT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "16");
    EXPECT_TRUE(ShowsWholeText(GetDlgItem(editor->hwnd, IDC_EDITOR_BOT_COUNT)));
}

TEST_F(ScriptEditorLayout, SecondsDialogTextShowsWhole) {
    std::string pending = "77";
    OpenedDialog<Cseconds> seconds(Host(), pending, prompt);
    ExpectLaidOut(seconds.hwnd);
    EXPECT_NE(
        ChildWithText(seconds.hwnd, "Enter the time in seconds that you want this map to run"),
        nullptr);
}

}  // namespace
}  // namespace tarvik
