#include "tests/e2e/harness/message_box.h"

#include <sstream>

#include "tests/e2e/harness/tarvik_process.h"
#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

// "OK (1), Cancel (2)": the buttons a box offers, for failure messages.
std::string DescribeButtons(HWND box) {
    std::ostringstream text;
    int count = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(ClassNameOf(child).c_str(), "Button") == 0) {
            text << (count++ ? ", " : "") << WindowText(child) << " (" << GetDlgCtrlID(child)
                 << ")";
        }
    }
    return count ? text.str() : std::string("no buttons");
}

}  // namespace

MessageBoxInfo ReadMessageBox(HWND messageBox) {
    MessageBoxInfo box;
    box.hwnd = messageBox;
    box.caption = WindowTitle(messageBox);
    if (HWND text = GetDlgItem(messageBox, kMessageBoxTextId)) {
        box.text = WindowText(text);
    }
    return box;
}

std::vector<MessageBoxInfo> MessageBoxes(DWORD pid) {
    std::vector<MessageBoxInfo> boxes;
    for (const auto& window : TopLevelWindows(pid)) {
        if (window.visible && IsMessageBox(window.hwnd)) {
            boxes.push_back(ReadMessageBox(window.hwnd));
        }
    }
    return boxes;
}

::testing::AssertionResult WaitForMessageBox(const TarvikProcess& process, MessageBoxInfo* found,
                                             Milliseconds timeout) {
    HWND box = nullptr;
    auto shown = WaitForWindow(
        process, [](const WindowInfo& window) { return IsMessageBox(window.hwnd); },
        "a message box", &box, timeout);
    if (shown && found) {
        *found = ReadMessageBox(box);
    }
    return shown;
}

::testing::AssertionResult PressMessageBoxButton(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.hwnd, buttonId);
    if (!button) {
        return ::testing::AssertionFailure()
               << "the message box \"" << box.text << "\" (caption \"" << box.caption
               << "\") has no button " << buttonId << "; it has " << DescribeButtons(box.hwnd);
    }
    // Posted, so that whatever the answer starts on the other side cannot block the test.
    if (!PostMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button))) {
        return ::testing::AssertionFailure()
               << "could not post the button press to the message box";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AnswerMessageBox(const TarvikProcess& process,
                                            const std::string& expectedText,
                                            const std::string& expectedCaption, int buttonId,
                                            Milliseconds timeout) {
    MessageBoxInfo box;
    auto shown = WaitForMessageBox(process, &box, timeout);
    if (!shown) {
        return shown << " (expected the message \"" << expectedText << "\", caption \""
                     << expectedCaption << "\")";
    }
    if (box.text != expectedText || box.caption != expectedCaption) {
        return ::testing::AssertionFailure()
               << "expected the message \"" << expectedText << "\" with caption \""
               << expectedCaption << "\", but the message box says \"" << box.text
               << "\" with caption \"" << box.caption << "\"";
    }
    return PressMessageBoxButton(box, buttonId);
}

}  // namespace tarvik::e2e
