#include "tests/e2e/harness/window_finder.h"

#include <sstream>
#include <thread>

#include "tests/e2e/harness/message_box.h"
#include "tests/e2e/harness/tarvik_process.h"

namespace tarvik::e2e {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kTextTimeoutMs = 2000;

struct EnumContext {
    DWORD pid;
    std::vector<WindowInfo>* windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    auto* context = reinterpret_cast<EnumContext*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == context->pid) {
        context->windows->push_back(DescribeWindow(hwnd));
    }
    return TRUE;
}

std::string ExitText(const TarvikProcess& process) {
    std::ostringstream text;
    const auto code = process.ExitCode();
    text << "the program ended";
    if (code) {
        text << " with exit code " << *code;
    }
    return text.str();
}

}  // namespace

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    const int length = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                            &length)) {
        std::string text(length + 1, '\0');
        DWORD_PTR copied = 0;
        if (SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(),
                                reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                                kTextTimeoutMs, &copied)) {
            text.resize(copied < text.size() ? copied : text.size() - 1);
            return text;
        }
    }
    return WindowTitle(hwnd);
}

std::string WindowTitle(HWND hwnd) {
    char title[1024] = {};
    const int copied = GetWindowTextA(hwnd, title, sizeof title);
    return std::string(title, copied > 0 ? copied : 0);
}

WindowInfo DescribeWindow(HWND hwnd) {
    WindowInfo info;
    info.hwnd = hwnd;
    info.className = ClassNameOf(hwnd);
    info.title = WindowTitle(hwnd);
    info.visible = IsWindowVisible(hwnd) != FALSE;
    info.style = GetWindowLongA(hwnd, GWL_STYLE);
    return info;
}

std::vector<WindowInfo> TopLevelWindows(DWORD pid) {
    std::vector<WindowInfo> windows;
    EnumContext context{pid, &windows};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
    return windows;
}

std::string DescribeWindows(DWORD pid) {
    std::ostringstream text;
    int count = 0;
    for (const auto& window : TopLevelWindows(pid)) {
        if (!window.visible) {
            continue;
        }
        text << (count++ ? "; " : "") << "[" << window.className << " \"" << window.title << "\"";
        if (IsMessageBox(window.hwnd)) {
            text << " message box: \"" << ReadMessageBox(window.hwnd).text << "\"";
        }
        text << "]";
    }
    return count ? text.str() : std::string("no visible windows");
}

bool IsMessageBox(HWND hwnd) {
    if (ClassNameOf(hwnd) != "#32770") {
        return false;
    }
    HWND text = GetDlgItem(hwnd, kMessageBoxTextId);
    return text != nullptr && _stricmp(ClassNameOf(text).c_str(), "Static") == 0;
}

bool IsMainWindow(const WindowInfo& window) {
    return window.visible && window.className == "#32770" && window.title == "Tarvik" &&
           !IsMessageBox(window.hwnd);
}

HWND FindMainWindow(DWORD pid) {
    return FindWindowOf(pid, IsMainWindow);
}

HWND FindWindowOf(DWORD pid, const WindowPredicate& predicate) {
    for (const auto& window : TopLevelWindows(pid)) {
        if (window.visible && predicate(window)) {
            return window.hwnd;
        }
    }
    return nullptr;
}

::testing::AssertionResult WaitForWindow(const TarvikProcess& process,
                                         const WindowPredicate& predicate, const std::string& what,
                                         HWND* found, Milliseconds timeout) {
    HWND window = nullptr;
    bool ended = false;
    WaitUntil(
        [&] {
            window = FindWindowOf(process.Pid(), predicate);
            ended = !window && !process.Running();
            return window != nullptr || ended;
        },
        timeout);
    if (found) {
        *found = window;
    }
    if (window) {
        return ::testing::AssertionSuccess();
    }
    if (ended) {
        return ::testing::AssertionFailure()
               << "expected " << what << ", but " << ExitText(process) << " without showing it";
    }
    return ::testing::AssertionFailure()
           << "expected " << what << " within " << SecondsText(timeout)
           << "; the program shows: " << DescribeWindows(process.Pid());
}

::testing::AssertionResult WaitForMainWindow(const TarvikProcess& process, HWND* found,
                                             Milliseconds timeout) {
    return WaitForWindow(process, IsMainWindow,
                         "the main window (a visible dialog titled \"Tarvik\")", found, timeout);
}

::testing::AssertionResult WaitForWindowGone(const TarvikProcess& process,
                                             const WindowPredicate& predicate,
                                             const std::string& what, Milliseconds timeout) {
    if (WaitUntil([&] { return FindWindowOf(process.Pid(), predicate) == nullptr; }, timeout)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << what << " to go away within " << SecondsText(timeout)
           << "; the program shows: " << DescribeWindows(process.Pid());
}

bool IsResponsive(HWND hwnd, Milliseconds timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                               static_cast<UINT>(timeout.count()), &result) != 0;
}

void Settle(HWND hwnd) {
    // WM_NULL comes back once the queue is worked off; paint messages come last, so give the
    // painting a moment and make sure it is done.
    IsResponsive(hwnd);
    std::this_thread::sleep_for(Milliseconds{300});
    IsResponsive(hwnd);
}

}  // namespace tarvik::e2e
