#pragma once
// What the in-process tests of pages and dialogs share: a page switcher that goes nowhere, a
// message pump, one visible host window for a whole test suite (under Wine without a window
// manager, destroying a shown top-level window takes seconds; the tab sets inside it come and go
// at once), and a page opened in it as the program shows it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/win32/tab_set.h"
#include "base/win32/controls.h"
#include "tests/common/recording_prompt.h"

namespace tarvik {

// Switches nothing; remembers which pages were asked for.
class NoPages : public PageSwitcher {
  public:
    void ShowPage(int index) override { asked.push_back(index); }
    std::vector<int> asked;
};

inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class HostWindowSuite : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        alignas(4) WORD words[16] = {};  // DLGTEMPLATE, then no menu, default class, no title
        auto* header = reinterpret_cast<DLGTEMPLATE*>(words);
        header->style = WS_POPUP | WS_BORDER | DS_CONTROL;
        header->dwExtendedStyle = WS_EX_CONTROLPARENT;
        host_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), header, nullptr, HostProc, 0);
        SetWindowPos(host_, HWND_TOPMOST, 40, 40, 480, 400, SWP_SHOWWINDOW);
        PumpMessages();
    }
    static void TearDownTestSuite() {
        DestroyWindow(host_);
        host_ = nullptr;
        PumpMessages();
    }
    void SetUp() override { ASSERT_NE(host_, nullptr); }

    static HWND Host() { return host_; }

  private:
    static INT_PTR CALLBACK HostProc(HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }
    static inline HWND host_ = nullptr;
};

// A page as the program shows it: the only page of a tab set inside the host, so opening the
// set makes it active. Prepare `state` before Open; the page sees it through its context.
template <typename Page>
class OpenedPage {
  public:
    OpenedPage() = default;
    ~OpenedPage() {
        if (tabs.Handle()) {
            DestroyWindow(tabs.Handle());
            PumpMessages();
        }
    }
    OpenedPage(const OpenedPage&) = delete;
    OpenedPage& operator=(const OpenedPage&) = delete;

    // `make` builds the page from its context: (const PageContext&) -> std::unique_ptr<Page>.
    template <typename Make>
    void Open(HWND host, Make make) {
        page = make(PageContext{state, pages, prompt});
        tabs.Create(host, {page.get()});
        PumpMessages();
    }

    std::string Text(int id) const { return Control(page->Handle(), id).Text(); }
    std::vector<std::string> ListLines(int id) const { return ListBox(page->Handle(), id).Texts(); }
    void Click(int id) const {
        SendMessageA(page->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page->Item(id)));
        PumpMessages();
    }
    // As the tab set tells a page it stops being the active one.
    void Deactivate() const {
        NMHDR header{tabs.Handle(), 0, PSN_KILLACTIVE};
        SendMessageA(page->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }

    AppState state;
    NoPages pages;
    RecordingPrompt prompt;
    std::unique_ptr<Page> page;
    TabSet tabs;
};

}  // namespace tarvik
