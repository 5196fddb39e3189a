#pragma once
// What the in-process tests of pages and dialogs share: a page switcher that goes nowhere, a
// message pump, and one visible host window for a whole test suite (under Wine without a window
// manager, destroying a shown top-level window takes seconds; the tab sets inside it come and go
// at once).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"

namespace tarvik {

class NoPages : public PageSwitcher {
  public:
    void ShowPage(int) override {}
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

}  // namespace tarvik
