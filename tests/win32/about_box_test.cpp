#include "app/win32/about_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win32/controls.h"
#include "tests/win32/support/dialog_probe.h"
#include "tests/win32/support/modal_watcher.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

class AboutBox : public HostWindowSuite {};

TEST_F(AboutBox, ShowsTheVersionAndTheIconCentredAndOkCloses) {
    const ModalWatcher watcher(Host(), "About Tarvik", [](HWND box) {
        const LONG_PTR framed = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        EXPECT_EQ(StyleOf(box) & framed, framed);
        RECT client{};
        GetClientRect(box, &client);
        const RECT want = InPixels(box, {0, 0, 235, 52});
        EXPECT_EQ(client.right, want.right);
        EXPECT_EQ(client.bottom, want.bottom);

        RECT frame{};
        GetWindowRect(box, &frame);
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_NEAR(frame.left + frame.right, work.left + work.right, 2);
        EXPECT_NEAR(frame.top + frame.bottom, work.top + work.bottom, 2);

        for (const char* text : {"Tarvik Version 2.0", "Copyright (C) 2026 the Tarvik project"}) {
            const HWND line = ChildWithText(box, text);
            ASSERT_NE(line, nullptr) << text;
            EXPECT_TRUE(ShowsWholeText(line)) << text << " is cut off";
        }
        bool icon = false;
        for (HWND child : ChildrenOf(box)) {
            icon = icon || (IsStatic(child) && (StyleOf(child) & SS_TYPEMASK) == SS_ICON &&
                            SendMessageA(child, STM_GETICON, 0, 0) != 0);
        }
        EXPECT_TRUE(icon);
        const HWND ok = GetDlgItem(box, IDOK);
        EXPECT_EQ(Control(ok).Text(), "OK");
        EXPECT_EQ(StyleOf(ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    });
    CAboutDlg box;
    EXPECT_EQ(box.DoModal(Host()), IDOK);
    EXPECT_TRUE(watcher.Seen());
}

}  // namespace
}  // namespace tarvik
