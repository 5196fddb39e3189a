#include "tests/e2e/harness/tab_set.h"

#include <commctrl.h>
#include <prsht.h>

#include "tests/e2e/harness/controls.h"
#include "tests/e2e/harness/remote_buffer.h"
#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {

constexpr int kTabNameCapacity = 256;

}  // namespace

::testing::AssertionResult RemoteTabSet::Find(HWND parent, RemoteTabSet* found) {
    for (HWND child = FindWindowExA(parent, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(parent, child, "#32770", nullptr)) {
        if (HWND tabs = FindWindowExA(child, nullptr, "SysTabControl32", nullptr)) {
            found->sheet_ = child;
            found->tabControl_ = tabs;
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure()
           << "the window \"" << WindowTitle(parent)
           << "\" has no tab set (no child dialog holding a SysTabControl32)";
}

std::vector<std::string> RemoteTabSet::Names() const {
    std::vector<std::string> names;
    const LRESULT count = AskWindow(tabControl_, TCM_GETITEMCOUNT, 0, 0, 0);
    // The item structure and its text buffer side by side in the other process.
    RemoteBuffer remote(tabControl_, sizeof(TCITEMA) + kTabNameCapacity);
    if (!remote.Valid()) {
        return names;
    }
    for (LRESULT index = 0; index < count; ++index) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = static_cast<char*>(remote.Address(sizeof(TCITEMA)));
        item.cchTextMax = kTabNameCapacity;
        char text[kTabNameCapacity] = {};
        if (!remote.Write(0, &item, sizeof item) ||
            !remote.Write(sizeof(TCITEMA), text, sizeof text) ||
            !AskWindow(tabControl_, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(remote.Address()),
                       FALSE) ||
            !remote.Read(sizeof(TCITEMA), text, sizeof text)) {
            names.emplace_back("<unreadable>");
            continue;
        }
        text[kTabNameCapacity - 1] = '\0';
        names.emplace_back(text);
    }
    return names;
}

int RemoteTabSet::CurrentIndex() const {
    return static_cast<int>(AskWindow(tabControl_, TCM_GETCURSEL, 0, 0, -1));
}

HWND RemoteTabSet::CurrentPage() const {
    return reinterpret_cast<HWND>(AskWindow(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, 0));
}

::testing::AssertionResult RemoteTabSet::SelectPage(int index, Milliseconds timeout) const {
    if (!PostMessageA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0)) {
        return ::testing::AssertionFailure() << "could not post PSM_SETCURSEL to the tab set";
    }
    if (!WaitUntil([&] { return CurrentIndex() == index; }, timeout)) {
        return ::testing::AssertionFailure()
               << "expected the tab set to show page " << index << " within "
               << SecondsText(timeout) << ", but it shows page " << CurrentIndex() << " of "
               << QuotedList(Names());
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tarvik::e2e
