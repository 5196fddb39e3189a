#include "base/win32/window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/format.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

const char* NameOf(MouseButton button) {
    switch (button) {
        case MouseButton::kLeft:
            return "left";
        case MouseButton::kRight:
            return "right";
        case MouseButton::kMiddle:
            return "middle";
    }
    return "?";
}

// Writes down every typed call it receives, so a test sees what the base unpacked.
class RecordingWindow : public Window {
  public:
    explicit RecordingWindow(bool createSucceeds = true) : createSucceeds_(createSucceeds) {}

    // Traffic from creation (sizing, painting) is not what the tests send.
    void StartRecording() {
        recording_ = true;
        calls.clear();
    }

    std::vector<std::string> calls;
    RECT lastDirty{};
    int paints = 0;

  protected:
    WindowClassDescription ClassDescription() const override { return {"TarvikRecordingWindow"}; }
    bool OnCreate() override { return createSucceeds_; }
    void OnPaint(HDC, const RECT& dirty) override {
        ++paints;
        lastDirty = dirty;
    }
    void OnSize(int width, int height) override { Note(Format("size %d %d", width, height)); }
    void OnMouseMove(int x, int y, WPARAM keys) override {
        Note(Format("move %d %d keys %d", x, y, static_cast<int>(keys)));
    }
    void OnButtonDown(MouseButton button, int x, int y, WPARAM) override {
        Note(Format("down %s %d %d", NameOf(button), x, y));
    }
    void OnButtonUp(MouseButton button, int x, int y, WPARAM) override {
        Note(Format("up %s %d %d", NameOf(button), x, y));
    }
    void OnDoubleClick(MouseButton button, int x, int y, WPARAM) override {
        Note(Format("twice %s %d %d", NameOf(button), x, y));
    }
    bool OnContextMenu(HWND, POINT screen) override {
        Note(Format("menu %d %d", static_cast<int>(screen.x), static_cast<int>(screen.y)));
        return true;
    }
    void OnTimer(UINT_PTR id) override { Note(Format("timer %d", static_cast<int>(id))); }
    bool OnCommand(int id, int code, HWND) override {
        Note(Format("command %d code %d", id, code));
        return true;
    }

  private:
    void Note(std::string call) {
        if (recording_) {
            calls.push_back(std::move(call));
        }
    }

    bool createSucceeds_;
    bool recording_ = false;
};

class WindowBase : public HostWindowSuite {
  protected:
    static constexpr RECT kArea{10, 10, 210, 160};
};

TEST_F(WindowBase, HandlersReceiveUnpackedParameters) {
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* call;
    };
    const Case cases[] = {
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 7), "move -5 7 keys 1"},
        {WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4), "down left 3 4"},
        {WM_RBUTTONDOWN, 0, MAKELPARAM(30, 40), "down right 30 40"},
        {WM_MBUTTONUP, 0, MAKELPARAM(1, -2), "up middle 1 -2"},
        {WM_LBUTTONDBLCLK, 0, MAKELPARAM(8, 9), "twice left 8 9"},
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), "size 300 200"},
        {WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1), "menu -1 -1"},
        {WM_CONTEXTMENU, 0, MAKELPARAM(640, 480), "menu 640 480"},
        {WM_TIMER, 7, 0, "timer 7"},
        {WM_COMMAND, MAKEWPARAM(12, 1), 0, "command 12 code 1"},
    };
    RecordingWindow window;
    ASSERT_NE(window.Create(Host(), kArea, 42), nullptr);
    for (const Case& c : cases) {
        window.StartRecording();
        SendMessageA(window.Handle(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(window.calls, std::vector<std::string>{c.call}) << c.call;
    }
}

TEST_F(WindowBase, PaintHearsTheDirtyRectangle) {
    RecordingWindow window;
    ASSERT_NE(window.Create(Host(), kArea, 42), nullptr);
    UpdateWindow(window.Handle());
    const int before = window.paints;
    const RECT dirty{20, 30, 60, 70};
    InvalidateRect(window.Handle(), &dirty, FALSE);
    UpdateWindow(window.Handle());
    EXPECT_EQ(window.paints, before + 1);
    EXPECT_TRUE(EqualRect(&window.lastDirty, &dirty));
    // Painting validated the window: no second paint is pending.
    EXPECT_FALSE(GetUpdateRect(window.Handle(), nullptr, FALSE));
}

TEST_F(WindowBase, EachWindowOfOneClassKeepsItsOwnObjectAndId) {
    RecordingWindow first;
    RecordingWindow second;
    ASSERT_NE(first.Create(Host(), kArea, 1), nullptr);
    ASSERT_NE(second.Create(Host(), kArea, 2), nullptr);
    EXPECT_EQ(GetDlgCtrlID(first.Handle()), 1);
    EXPECT_EQ(GetDlgItem(Host(), 2), second.Handle());
    first.StartRecording();
    second.StartRecording();
    SendMessageA(second.Handle(), WM_TIMER, 5, 0);
    EXPECT_TRUE(first.calls.empty());
    EXPECT_EQ(second.calls, std::vector<std::string>{"timer 5"});
    // A second Create on a bound object refuses.
    EXPECT_EQ(first.Create(Host(), kArea, 3), nullptr);
}

TEST_F(WindowBase, WindowAndObjectMayGoInEitherOrder) {
    HWND orphan = nullptr;
    {
        RecordingWindow window;
        orphan = window.Create(Host(), kArea, 1);
        ASSERT_NE(orphan, nullptr);
    }
    EXPECT_FALSE(IsWindow(orphan));

    RecordingWindow window;
    HWND handle = window.Create(Host(), kArea, 1);
    DestroyWindow(handle);
    EXPECT_EQ(window.Handle(), nullptr);  // and its destructor leaves the dead handle alone
}

TEST_F(WindowBase, UnhandledMessagesGetTheDefaultAndFailedCreationReportsNull) {
    RecordingWindow window;
    ASSERT_NE(window.Create(Host(), kArea, 1, WS_CHILD | WS_VISIBLE, 0, "Graph Window"), nullptr);
    char title[32] = "";
    GetWindowTextA(window.Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "Graph Window");

    RecordingWindow refusing(false);
    EXPECT_EQ(refusing.Create(Host(), kArea, 2), nullptr);
    EXPECT_EQ(refusing.Handle(), nullptr);
}

}  // namespace
}  // namespace tarvik
