#include "widgets/win32/hyperlink.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/common/recording_prompt.h"
#include "tests/win32/support/page_host.h"
#include "tests/win32/support/picture.h"
#include "widgets/hyperlink_text.h"

namespace tarvik {
namespace {

constexpr int kLinkId = 1130;
constexpr const char* kTarget = "http://www.tarvik.example/";
constexpr const char* kCaption = "Zandor Benchmarker.";

// Answers as the test says, and remembers what it was asked to open and run.
class ScriptedOpener : public LinkOpener {
  public:
    int ShellOpen(const std::string& target) override {
        opened.push_back(target);
        return shellResult;
    }
    bool ReadClassesRootValue(const std::string& key, std::string& value) override {
        const auto found = classesRoot.find(key);
        if (found == classesRoot.end()) {
            return false;
        }
        value = found->second;
        return true;
    }
    int Run(const std::string& commandLine) override {
        ran.push_back(commandLine);
        return runResult;
    }

    int shellResult = 42;
    std::map<std::string, std::string> classesRoot;
    int runResult = 42;
    std::vector<std::string> opened;
    std::vector<std::string> ran;
};

// A static text control of the host window, as a dialog template would make it.
struct StaticControl {
    StaticControl(HWND parent, const char* text, DWORD style, RECT place, int id = kLinkId) {
        handle = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
    }
    ~StaticControl() { DestroyWindow(handle); }
    StaticControl(const StaticControl&) = delete;
    StaticControl& operator=(const StaticControl&) = delete;

    HWND handle;
};

constexpr RECT kPlace{20, 20, 320, 60};

// A static bound to a link with a scripted opener. `prepare` runs on the link before binding.
struct BoundLink {
    template <typename Prepare>
    BoundLink(HWND host, const char* caption, DWORD style, Prepare prepare, RECT place = kPlace,
              int id = kLinkId)
        : control(host, caption, style, place, id) {
        link.SetOpener(opener);
        prepare(link);
        bound = link.SubclassDlgItem(id, host);
        PumpMessages();
    }
    BoundLink(HWND host, const char* caption, DWORD style = SS_LEFT)
        : BoundLink(host, caption, style, [](CHyperLink&) {}) {}

    StaticControl control;
    RecordingPrompt prompt;
    ScriptedOpener opener;
    CHyperLink link{prompt};
    bool bound = false;
};

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
}

void MoveMouseAway() {
    SetCursorPos(1200, 1000);
}

// The cursor really goes there, so the hover timer finds it inside too.
void MoveMouseOver(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SetCursorPos(point.x, point.y);
    ScreenToClient(control, &point);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

// Pumps until the link lets go of the mouse; how long that took.
DWORD WaitForLeave(const CHyperLink& link) {
    const DWORD start = GetTickCount();
    while (link.IsOver() && GetTickCount() - start < 2000) {
        PumpFor(5);
    }
    return GetTickCount() - start;
}

bool FontIsUnderlined(HWND control) {
    LOGFONTA face{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof(face),
               &face);
    return face.lfUnderline != 0;
}

// The most pixels of the colour on one row: an underline fills a whole row.
int LongestRow(const Picture& picture, COLORREF color) {
    int longest = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        longest = std::max(longest, picture.Count(color, RECT{0, y, picture.Width(), y + 1}));
    }
    return longest;
}

bool ShowsUnderline(HWND control, COLORREF color) {
    const Picture picture = Picture::OfWindow(control);
    return LongestRow(picture, color) >= picture.Width() - 2;
}

// The text's size in an underlined copy of the control's font.
SIZE UnderlinedExtent(const std::string& text) {
    LOGFONTA face{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
    face.lfUnderline = TRUE;
    const GdiFont font(CreateFontIndirectA(&face));
    const WindowDc dc(nullptr);
    const SelectionGuard selected(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

RECT PlaceInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

class HyperLink : public HostWindowSuite {
  protected:
    void TearDown() override {
        MoveMouseAway();
        PumpMessages();
    }
};

// ---- binding ----

TEST_F(HyperLink, BindingMakesTheStaticNotifyAndTakesTargetOrCaption) {
    {
        BoundLink captioned(Host(), kCaption);
        ASSERT_TRUE(captioned.bound);
        EXPECT_EQ(captioned.link.Handle(), captioned.control.handle);
        EXPECT_TRUE(GetWindowLongPtrA(captioned.control.handle, GWL_STYLE) & SS_NOTIFY);
        EXPECT_EQ(captioned.link.GetURL(), kCaption) << "no target: the caption is the target";
        EXPECT_FALSE(captioned.link.SubclassDlgItem(kLinkId, Host())) << "already bound";
    }
    {
        BoundLink empty(Host(), "", SS_LEFT, [](CHyperLink& link) { link.SetURL(kTarget); });
        ASSERT_TRUE(empty.bound);
        EXPECT_EQ(TextOf(empty.control.handle), kTarget) << "no caption: the target shows";
        EXPECT_GT(Picture::OfWindow(empty.control.handle).Count(kLinkColor), 20);
    }
    {
        BoundLink both(Host(), kCaption, SS_LEFT, [](CHyperLink& link) { link.SetURL(kTarget); });
        EXPECT_EQ(both.link.GetURL(), kTarget);
        EXPECT_EQ(TextOf(both.control.handle), kCaption);
    }
    RecordingPrompt prompt;
    CHyperLink missing(prompt);
    EXPECT_FALSE(missing.SubclassDlgItem(4242, Host()));
    EXPECT_EQ(missing.Handle(), nullptr);
}

TEST_F(HyperLink, LettingGoGivesTheControlItsFontBack) {
    const StaticControl control(Host(), kCaption, SS_LEFT, kPlace);
    {
        RecordingPrompt prompt;
        CHyperLink link(prompt);
        link.SetUnderline(kUnderlineAlways);
        ASSERT_TRUE(link.SubclassDlgItem(kLinkId, Host()));
        EXPECT_TRUE(FontIsUnderlined(control.handle));
    }
    EXPECT_EQ(SendMessageA(control.handle, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(Picture::OfWindow(control.handle).Count(kLinkColor), 0) << "drawn as a plain static";
}

TEST_F(HyperLink, ForgetsAControlDestroyedFirst) {
    BoundLink bound(Host(), kCaption);
    ASSERT_NE(bound.link.TooltipHandle(), nullptr);
    HWND tooltip = bound.link.TooltipHandle();
    DestroyWindow(bound.control.handle);
    EXPECT_EQ(bound.link.Handle(), nullptr);
    EXPECT_EQ(bound.link.TooltipHandle(), nullptr);
    EXPECT_FALSE(IsWindow(tooltip));
    bound.control.handle = nullptr;
}

// ---- looks ----

TEST_F(HyperLink, TextTakesTheColourOfItsState) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF colors[] = {kLinkColor, kVisitedLinkColor, kHoverLinkColor};
    struct Case {
        const char* name;
        bool visited;
        bool over;
        COLORREF color;
    } const cases[] = {
        {"at rest", false, false, kLinkColor},
        {"visited", true, false, kVisitedLinkColor},
        {"hovered", false, true, kHoverLinkColor},
        {"visited and hovered", true, true, kHoverLinkColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoundLink bound(Host(), kCaption);
        bound.link.SetVisited(c.visited);
        if (c.over) {
            MoveMouseOver(bound.control.handle);
        }
        EXPECT_EQ(bound.link.TextColor(), c.color);
        const Picture picture = Picture::OfWindow(bound.control.handle);
        for (COLORREF color : colors) {
            if (color == c.color) {
                EXPECT_GT(picture.Count(color), 20);
            } else {
                EXPECT_EQ(picture.Count(color), 0) << std::hex << color;
            }
        }
        EXPECT_GT(picture.Count(face), picture.Width()) << "background in the button face";
        EXPECT_EQ(picture.Count(Picture::kUnpainted), 0);
        MoveMouseAway();
        WaitForLeave(bound.link);
    }
}

TEST_F(HyperLink, UnderlinesWhileTheMouseIsOverAndLetsGoWithinAFewTicks) {
    BoundLink bound(Host(), kCaption);
    HWND control = bound.control.handle;
    EXPECT_FALSE(bound.link.IsOver());
    EXPECT_FALSE(FontIsUnderlined(control));
    EXPECT_FALSE(ShowsUnderline(control, kLinkColor));

    MoveMouseOver(control);
    EXPECT_TRUE(bound.link.IsOver());
    EXPECT_TRUE(FontIsUnderlined(control));
    EXPECT_TRUE(ShowsUnderline(control, kHoverLinkColor));
    PumpFor(350);
    EXPECT_TRUE(bound.link.IsOver()) << "ticks while the cursor stays inside change nothing";

    MoveMouseAway();
    EXPECT_LE(WaitForLeave(bound.link), 400u);
    EXPECT_FALSE(bound.link.IsOver());
    EXPECT_FALSE(FontIsUnderlined(control));
    EXPECT_FALSE(ShowsUnderline(control, kLinkColor));
    EXPECT_GT(Picture::OfWindow(control).Count(kLinkColor), 20);
}

TEST_F(HyperLink, UnderlineModeDecidesWhenTheTextIsUnderlined) {
    struct Case {
        int mode;
        bool atRest;
        bool whileOver;
    } const cases[] = {
        {kUnderlineHover, false, true},
        {kUnderlineAlways, true, true},
        {kUnderlineNever, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        BoundLink bound(Host(), kCaption, SS_LEFT,
                        [&](CHyperLink& link) { link.SetUnderline(c.mode); });
        HWND control = bound.control.handle;
        EXPECT_EQ(bound.link.GetUnderline(), c.mode);
        EXPECT_EQ(FontIsUnderlined(control), c.atRest);
        EXPECT_EQ(ShowsUnderline(control, kLinkColor), c.atRest);
        MoveMouseOver(control);
        EXPECT_EQ(FontIsUnderlined(control), c.whileOver);
        EXPECT_EQ(ShowsUnderline(control, kHoverLinkColor), c.whileOver);
        MoveMouseAway();
        WaitForLeave(bound.link);
        EXPECT_FALSE(bound.link.IsOver());
        EXPECT_EQ(FontIsUnderlined(control), c.atRest);
    }
}

TEST_F(HyperLink, ChangingTheModeSwitchesTheFontAtOnce) {
    BoundLink bound(Host(), kCaption);
    EXPECT_EQ(bound.link.GetUnderline(), kUnderlineHover) << "the default";
    bound.link.SetUnderline(kUnderlineAlways);
    EXPECT_TRUE(FontIsUnderlined(bound.control.handle));
    bound.link.SetUnderline(kUnderlineNever);
    EXPECT_FALSE(FontIsUnderlined(bound.control.handle));
}

// ---- size ----

TEST_F(HyperLink, FittingTakesTheUnderlinedTextSizeAndKeepsTheAlignedEdge) {
    const SIZE text = UnderlinedExtent(kCaption);
    const RECT place{40, 30, 340, 70};  // wider and taller than the text
    struct Case {
        const char* name;
        DWORD style;
        bool keepsLeft;
        bool keepsRight;
        bool centredVertically;
    } const cases[] = {
        {"left", SS_LEFT, true, false, false},
        {"right", SS_RIGHT, false, true, false},
        {"centred", SS_CENTER, false, false, false},
        {"left, centred vertically", SS_LEFT | SS_CENTERIMAGE, true, false, true},
        {"right, centred vertically", SS_RIGHT | SS_CENTERIMAGE, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoundLink bound(
            Host(), kCaption, c.style, [](CHyperLink&) {}, place);
        const RECT fitted = PlaceInParent(bound.control.handle);
        EXPECT_EQ(fitted.right - fitted.left, text.cx);
        EXPECT_EQ(fitted.bottom - fitted.top, text.cy);
        if (c.keepsLeft) {
            EXPECT_EQ(fitted.left, place.left);
        } else if (c.keepsRight) {
            EXPECT_EQ(fitted.right, place.right);
        } else {
            EXPECT_LE(std::abs((fitted.left + fitted.right) - (place.left + place.right)), 1);
        }
        if (c.centredVertically) {
            EXPECT_LE(std::abs((fitted.top + fitted.bottom) - (place.top + place.bottom)), 1);
        } else {
            EXPECT_EQ(fitted.top, place.top);
        }
    }
}

TEST_F(HyperLink, ANewTargetRefitsALiveControlUnlessFittingIsOff) {
    {
        BoundLink bound(Host(), "Zandor");
        SetWindowTextA(bound.control.handle, kCaption);
        bound.link.SetURL(kTarget);
        const RECT fitted = PlaceInParent(bound.control.handle);
        EXPECT_EQ(fitted.right - fitted.left, UnderlinedExtent(kCaption).cx);
    }
    {
        BoundLink unfitted(Host(), kCaption, SS_LEFT,
                           [](CHyperLink& link) { link.SetAutoSize(false); });
        EXPECT_FALSE(unfitted.link.GetAutoSize());
        const RECT kept = PlaceInParent(unfitted.control.handle);
        EXPECT_EQ(kept.left, kPlace.left);
        EXPECT_EQ(kept.right, kPlace.right);
        EXPECT_EQ(kept.bottom, kPlace.bottom);
    }
}

// ---- cursor and tooltip ----

TEST_F(HyperLink, OwnsACopiedHandCursorAndShowsIt) {
    const HINSTANCE program = GetModuleHandleA(nullptr);
    auto withFallback = [program](CHyperLink& link) {
        link.SetFallbackCursor(program, IDC_HAND_CURSOR);
    };
    BoundLink first(Host(), kCaption, SS_LEFT, withFallback);
    BoundLink second(Host(), kCaption, SS_LEFT, withFallback, {20, 80, 320, 120}, kLinkId + 1);
    const HCURSOR cursor = first.link.GetLinkCursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_NE(cursor, second.link.GetLinkCursor()) << "each link has its own copy";
    EXPECT_NE(cursor, LoadCursorA(program, MAKEINTRESOURCEA(IDC_HAND_CURSOR)));

    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageA(first.control.handle, WM_SETCURSOR,
                             reinterpret_cast<WPARAM>(first.control.handle),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), cursor);
}

TEST_F(HyperLink, TooltipCoversTheClientAreaAndSaysTheTarget) {
    BoundLink bound(Host(), kCaption, SS_LEFT, [](CHyperLink& link) { link.SetURL(kTarget); });
    HWND tooltip = bound.link.TooltipHandle();
    ASSERT_NE(tooltip, nullptr);
    char className[64] = {};
    GetClassNameA(tooltip, className, sizeof(className));
    EXPECT_STREQ(className, TOOLTIPS_CLASSA);
    EXPECT_EQ(bound.link.TooltipText(), kTarget);

    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    RECT client{};
    GetClientRect(bound.control.handle, &client);
    EXPECT_EQ(tool.hwnd, bound.control.handle);
    EXPECT_TRUE(EqualRect(&tool.rect, &client));

    bound.link.SetURL("http://zandor.example/");
    EXPECT_EQ(bound.link.TooltipText(), "http://zandor.example/");
}

// ---- clicks ----

TEST_F(HyperLink, ClickOpensTheTargetOrFallsBackToTheBrowserCommand) {
    const std::map<std::string, std::string> browser = {
        {".htm", "htmlfile"},
        {"htmlfile\\shell\\open\\command", "\"C:\\b.exe\" -nohome \"%1\""},
    };
    const std::string browserLine = std::string("\"C:\\b.exe\" -nohome  ") + kTarget;
    struct Case {
        const char* name;
        int shellResult;
        std::map<std::string, std::string> classesRoot;
        int runResult;
        std::string ran;      // empty: nothing run
        std::string message;  // empty: none
    } const cases[] = {
        {"opened", 42, browser, 2, "", ""},
        {"sharing violation",
         26,
         {},
         42,
         "",
         "Unable to open hyperlink:\n\nA sharing violation occurred. "},
        {"no class for .htm",
         31,
         {},
         42,
         "",
         "Unable to open hyperlink:\n\nThere is no application associated\nwith the given "
         "filename extension."},
        {"no command for the class",
         31,
         {{".htm", "htmlfile"}},
         42,
         "",
         "Unable to open hyperlink:\n\nThere is no application associated\nwith the given "
         "filename extension."},
        {"browser runs", 31, browser, 33, browserLine, ""},
        {"browser missing", 31, browser, 2, browserLine,
         "Unable to open hyperlink:\n\nThe specified file was not found."},
        {"unknown result",
         17,
         {},
         42,
         "",
         "Unable to open hyperlink:\n\nUnknown Error (17) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoundLink bound(Host(), kCaption, SS_LEFT, [&](CHyperLink& link) { link.SetURL(kTarget); });
        bound.opener.shellResult = c.shellResult;
        bound.opener.classesRoot = c.classesRoot;
        bound.opener.runResult = c.runResult;
        MoveMouseOver(bound.control.handle);
        SendMessageA(bound.control.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(bound.control.handle, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));

        EXPECT_EQ(bound.opener.opened, std::vector<std::string>{kTarget});
        EXPECT_EQ(bound.opener.ran,
                  c.ran.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.ran});
        EXPECT_FALSE(bound.link.IsOver()) << "a click ends the hover";
        if (c.message.empty()) {
            EXPECT_TRUE(bound.prompt.messages.empty());
            EXPECT_TRUE(bound.link.GetVisited());
            EXPECT_EQ(bound.link.TextColor(), kVisitedLinkColor);
        } else {
            ASSERT_EQ(bound.prompt.messages.size(), 1u);
            const RecordedMessage& message = bound.prompt.messages[0];
            EXPECT_EQ(message.text, c.message);
            EXPECT_EQ(message.caption, "Tarvik");
            EXPECT_EQ(message.buttons, PromptButtons::Ok);
            EXPECT_EQ(message.icon, PromptIcon::Exclamation);
            EXPECT_FALSE(bound.link.GetVisited());
        }
        MoveMouseAway();
        WaitForLeave(bound.link);
    }
}

}  // namespace
}  // namespace tarvik
