#include "tests/e2e/harness/controls.h"

#include <sstream>

#include "tests/e2e/harness/window_finder.h"

namespace tarvik::e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

// Text in the program's single-byte code page, as the program itself sees it.
std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

// The lines of a list box or of a combo box's list: count, then length and text of each. Asked
// in UTF-16: Wine hands the text of LB_GETTEXT and CB_GETLBTEXT across processes unconverted, so
// the ANSI form of the message would come back as UTF-16 in a buffer of half the size.
std::vector<std::string> Lines(HWND control, UINT getCount, UINT getLength, UINT getText,
                               LRESULT error) {
    std::vector<std::string> lines;
    if (!control) {
        return lines;
    }
    const auto ask = [control](UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(control, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                 kAnswerTimeoutMs, &result)) {
            return fallback;
        }
        return static_cast<LRESULT>(result);
    };
    const LRESULT count = ask(getCount, 0, 0, error);
    for (LRESULT index = 0; index < count && count != error; ++index) {
        const LRESULT length = ask(getLength, index, 0, error);
        if (length == error || length < 0) {
            lines.emplace_back();
            continue;
        }
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied = ask(getText, index, reinterpret_cast<LPARAM>(text.data()), error);
        text.resize(copied == error || copied < 0 ? 0 : static_cast<size_t>(copied));
        lines.push_back(Narrow(text));
    }
    return lines;
}

::testing::AssertionResult Clickable(HWND dialog, int id, HWND* control) {
    *control = Control(dialog, id);
    if (!*control) {
        return ::testing::AssertionFailure()
               << "the window \"" << WindowTitle(dialog) << "\" has no control with id " << id;
    }
    if (!IsWindowVisible(*control)) {
        return ::testing::AssertionFailure()
               << "the control " << id << " (\"" << WindowText(*control) << "\") is hidden";
    }
    if (!IsWindowEnabled(*control)) {
        return ::testing::AssertionFailure()
               << "the control " << id << " (\"" << WindowText(*control) << "\") is disabled";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

LRESULT AskWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &result)) {
        return fallback;
    }
    return static_cast<LRESULT>(result);
}

HWND Control(HWND dialog, int id) {
    return dialog ? GetDlgItem(dialog, id) : nullptr;
}

std::string ControlText(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    return control ? WindowText(control) : std::string();
}

::testing::AssertionResult ClickButton(HWND dialog, int id) {
    HWND button = nullptr;
    auto clickable = Clickable(dialog, id, &button);
    if (!clickable) {
        return clickable;
    }
    if (!PostMessageA(button, BM_CLICK, 0, 0)) {
        return ::testing::AssertionFailure() << "could not post BM_CLICK to the control " << id;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PostCommand(HWND dialog, int id) {
    HWND control = nullptr;
    auto clickable = Clickable(dialog, id, &control);
    if (!clickable) {
        return clickable;
    }
    if (!PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(control))) {
        return ::testing::AssertionFailure() << "could not post WM_COMMAND " << id;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SelectListLine(HWND dialog, int id, const std::string& text) {
    const HWND list = Control(dialog, id);
    const std::vector<std::string> lines = ListBoxLines(list);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index] != text) {
            continue;
        }
        if (!PostMessageA(list, LB_SETCURSEL, index, 0) ||
            !PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(list))) {
            return ::testing::AssertionFailure() << "could not post to list " << id;
        }
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "list " << id << " has no line \"" << text << "\"; it holds " << QuotedList(lines);
}

::testing::AssertionResult SetControlText(HWND dialog, int id, const std::string& text) {
    const HWND control = Control(dialog, id);
    DWORD_PTR answer = 0;
    if (!control ||
        !SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 5000, &answer)) {
        return ::testing::AssertionFailure() << "could not set the text of control " << id;
    }
    return ::testing::AssertionSuccess();
}

bool IsChecked(HWND dialog, int id) {
    HWND button = Control(dialog, id);
    return button && AskWindow(button, BM_GETCHECK, 0, 0, BST_UNCHECKED) == BST_CHECKED;
}

std::vector<std::string> ListBoxLines(HWND listBox) {
    return Lines(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_ERR);
}

std::vector<std::string> ListBoxLines(HWND dialog, int id) {
    return ListBoxLines(Control(dialog, id));
}

int ListBoxSelection(HWND dialog, int id) {
    HWND listBox = Control(dialog, id);
    return listBox ? static_cast<int>(AskWindow(listBox, LB_GETCURSEL, 0, 0, LB_ERR)) : LB_ERR;
}

std::vector<std::string> ComboBoxLines(HWND dialog, int id) {
    return Lines(Control(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ERR);
}

int ComboBoxSelection(HWND dialog, int id) {
    HWND comboBox = Control(dialog, id);
    return comboBox ? static_cast<int>(AskWindow(comboBox, CB_GETCURSEL, 0, 0, CB_ERR)) : CB_ERR;
}

std::string QuotedList(const std::vector<std::string>& lines) {
    std::ostringstream text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text << (i ? ", " : "") << "\"" << lines[i] << "\"";
    }
    return lines.empty() ? std::string("(none)") : text.str();
}

}  // namespace tarvik::e2e
