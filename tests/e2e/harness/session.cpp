#include "tests/e2e/harness/session.h"

#include "res/resource_ids.h"
#include "tests/e2e/harness/controls.h"
#include "tests/e2e/harness/message_box.h"
#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {
constexpr Milliseconds kEndTimeout{10000};
}  // namespace

::testing::AssertionResult TarvikSession::Start(const Environment& environment) {
    ProcessOptions options;
    options.environment = environment;
    auto started = tarvik.Start(options);
    if (!started) {
        return started;
    }
    auto shown = WaitForMainWindow(tarvik, &main);
    if (!shown) {
        return shown;
    }
    return RemoteTabSet::Find(main, &tabs);
}

::testing::AssertionResult TarvikSession::Answer(const std::string& text,
                                                 const std::string& caption, Milliseconds timeout,
                                                 int button) const {
    MessageBoxInfo box;
    auto shown = WaitForMessageBox(tarvik, &box, timeout);
    if (!shown) {
        return shown << " (expected \"" << text << "\", caption \"" << caption << "\")";
    }
    if (box.text != text || box.caption != caption) {
        return ::testing::AssertionFailure()
               << "expected the message \"" << text << "\" with caption \"" << caption
               << "\", but the message box says \"" << box.text << "\" with caption \""
               << box.caption << "\"";
    }
    auto pressed = PressMessageBoxButton(box, button);
    if (!pressed) {
        return pressed;
    }
    return WaitForWindowGone(
        tarvik, [&](const WindowInfo& window) { return window.hwnd == box.hwnd; },
        "the message box \"" + text + "\"");
}

::testing::AssertionResult TarvikSession::Exit() const {
    auto clicked = ClickButton(main, IDC_EXIT);
    if (!clicked) {
        return clicked;
    }
    return tarvik.WaitForExitCode(0, kEndTimeout);
}

}  // namespace tarvik::e2e
