#include "scripts/win32/seconds_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "res/resource_ids.h"
#include "tests/common/recording_prompt.h"
#include "tests/win32/support/page_host.h"
#include "tests/win32/support/opened_dialog.h"

namespace tarvik {
namespace {

class SecondsDialog : public HostWindowSuite {
  protected:
    std::unique_ptr<OpenedDialog<Cseconds>> Open() {
        return std::make_unique<OpenedDialog<Cseconds>>(Host(), pending, prompt);
    }
    static bool Closed(const OpenedDialog<Cseconds>& dialog) { return dialog.dialog.Ended(); }

    std::string pending = "71";
    RecordingPrompt prompt;
};

TEST_F(SecondsDialog, OffersThePendingTimeAndTakesAnyConfirmedText) {
    for (const char* typed : {"90", "abc", "123456"}) {
        pending = "71";
        auto dialog = Open();
        EXPECT_EQ(dialog->Text(IDC_SECONDS_VALUE), "71");
        EXPECT_EQ(Control(dialog->hwnd).Text(), "Seconds");
        dialog->SetText(IDC_SECONDS_VALUE, typed);
        dialog->Click(IDOK);
        EXPECT_EQ(pending, typed);
        EXPECT_TRUE(Closed(*dialog)) << typed;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SecondsDialog, EmptyValueIsRefusedAndTheDialogStays) {
    auto dialog = Open();
    dialog->SetText(IDC_SECONDS_VALUE, "");
    dialog->Click(IDOK);
    EXPECT_FALSE(Closed(*dialog));
    EXPECT_EQ(pending, "71");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "You must enter a value!");
    EXPECT_EQ(prompt.messages[0].caption, "!");
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);

    dialog->SetText(IDC_SECONDS_VALUE, "5");
    dialog->Click(IDOK);
    EXPECT_EQ(pending, "5");
    EXPECT_TRUE(Closed(*dialog));
}

TEST_F(SecondsDialog, ClosingAnyOtherWayLeavesThePendingTime) {
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } closings[] = {
        {"Esc", WM_COMMAND, IDCANCEL},
        {"the close box", WM_SYSCOMMAND, SC_CLOSE},
        {"WM_CLOSE", WM_CLOSE, 0},
    };
    for (const auto& closing : closings) {
        auto dialog = Open();
        dialog->SetText(IDC_SECONDS_VALUE, "99");
        SendMessageA(dialog->hwnd, closing.message, closing.wParam, 0);
        PumpMessages();  // the dialog manager posts the IDCANCEL that a close turns into
        EXPECT_TRUE(Closed(*dialog)) << closing.how;
        EXPECT_EQ(pending, "71") << closing.how;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace tarvik
