#include "widgets/win32/button_st.h"

#include "res/resource_ids.h"
#include "tests/win32/support/picture.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarvik {
namespace {

constexpr int kButtonId = 1001;
const COLORREF kSlotColors[kButtonColorCount] = {
    RGB(200, 0, 0),  // background in
    RGB(0, 0, 120),  // caption in
    RGB(0, 160, 0),  // background out
    RGB(120, 0, 0),  // caption out
    RGB(0, 0, 200),  // background focus
    RGB(0, 120, 0),  // caption focus
};

// ---- a parent to put buttons in ----

struct CommandLog {
    std::vector<std::pair<int, int>> commands;  // control id, notification
};

INT_PTR CALLBACK RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return FALSE;
    }
    if (message == WM_COMMAND) {
        auto* log = reinterpret_cast<CommandLog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        log->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void MoveMouseAway() {
    SetCursorPos(1200, 1000);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// One visible, topmost modeless dialog for all the tests, at a fixed place on the screen so
// the mouse can be put over its buttons. (Under Wine without a window manager, destroying a
// shown top-level window takes two seconds; buttons come and go instantly.)
class ButtonSt : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        alignas(4) WORD words[16] = {};  // DLGTEMPLATE, then no menu, default class, no title
        auto* header = reinterpret_cast<DLGTEMPLATE*>(words);
        header->style = WS_POPUP | WS_BORDER;
        log_ = new CommandLog;
        dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), header, nullptr,
                                             RecordingDialogProc, reinterpret_cast<LPARAM>(log_));
        SetWindowPos(dialog_, HWND_TOPMOST, 40, 40, 320, 200, SWP_SHOWWINDOW);
        PumpMessages();
    }
    static void TearDownTestSuite() {
        DestroyWindow(dialog_);
        PumpMessages();
        delete log_;
    }
    void SetUp() override {
        ASSERT_NE(dialog_, nullptr);
        log_->commands.clear();
    }
    void TearDown() override {
        for (HWND child : children_) {
            DestroyWindow(child);
        }
        MoveMouseAway();
        PumpMessages();
    }

    HWND Dialog() const { return dialog_; }
    CommandLog& Log() { return *log_; }

    HWND AddButton(int id, const char* text, DWORD style = BS_PUSHBUTTON,
                   RECT place = {10, 10, 130, 50}) {
        return AddChild("BUTTON", id, text, style, place);
    }
    HWND AddChild(const char* windowClass, int id, const char* text, DWORD style, RECT place) {
        HWND child = CreateWindowExA(
            0, windowClass, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, dialog_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
        children_.push_back(child);
        return child;
    }
    // Each case of a table gets fresh windows.
    void RemoveChildren() {
        for (HWND child : children_) {
            DestroyWindow(child);
        }
        children_.clear();
        MoveMouseAway();
        PumpMessages();
    }

  private:
    static HWND dialog_;
    static CommandLog* log_;
    std::vector<HWND> children_;
};
HWND ButtonSt::dialog_ = nullptr;
CommandLog* ButtonSt::log_ = nullptr;

// ---- the mouse and the colours ----

POINT CentreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The cursor really goes there, so the system's leave tracking agrees with the message.
void MoveMouseOver(HWND button, WPARAM keys = 0) {
    POINT point = CentreOnScreen(button);
    SetCursorPos(point.x, point.y);
    ScreenToClient(button, &point);
    SendMessageA(button, WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
}

void ApplySlotColors(CButtonST& button) {
    for (int index = 0; index < kButtonColorCount; ++index) {
        button.SetColor(index, kSlotColors[index]);
    }
}

// ---- pictures made in code ----

constexpr int kIconSize = 16;

// Opaque in the left half, fully transparent in the right half.
HICON MakeHalfIcon(COLORREF color) {
    std::vector<DibPixel> pixels(kIconSize * kIconSize, 0);
    std::vector<BYTE> mask(kIconSize * 2, 0);  // rows of 16 bits
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize / 2; ++x) {
            pixels[static_cast<std::size_t>(y * kIconSize + x)] =
                0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        }
        mask[static_cast<std::size_t>(y * 2 + 1)] = 0xFF;  // right half transparent
    }
    GdiBitmap colorBitmap = MakeDibSection({kIconSize, kIconSize, pixels});
    GdiBitmap maskBitmap(CreateBitmap(kIconSize, kIconSize, 1, 1, mask.data()));
    ICONINFO info{TRUE, 0, 0, maskBitmap.Get(), colorBitmap.Get()};
    return CreateIconIndirect(&info);
}

std::vector<DibPixel> IconPixels(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    GdiBitmap color(info.hbmColor);
    GdiBitmap mask(info.hbmMask);
    return ReadDibPixels(color.Get()).pixels;
}

// ---- tests ----

TEST_F(ButtonSt, BindingMakesTheButtonOwnerDrawnAndRemembersTheDefault) {
    HWND plain = AddButton(kButtonId, "Benchmark");
    HWND exit = AddButton(IDOK, "Exit", BS_DEFPUSHBUTTON, {10, 60, 130, 90});
    CButtonST button;
    CButtonST exitButton;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    ASSERT_TRUE(exitButton.SubclassDlgItem(IDOK, Dialog()));
    EXPECT_EQ(button.Handle(), plain);
    EXPECT_EQ(GetWindowLongPtrA(plain, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(GetWindowLongPtrA(exit, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_FALSE(button.IsDefault());
    EXPECT_TRUE(exitButton.IsDefault());
    EXPECT_TRUE(SendMessageA(exit, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(SendMessageA(plain, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);

    CButtonST missing;
    EXPECT_FALSE(missing.SubclassDlgItem(4242, Dialog()));
    EXPECT_EQ(missing.Handle(), nullptr);
    EXPECT_FALSE(button.SubclassDlgItem(IDOK, Dialog())) << "already bound";
    EXPECT_EQ(button.Handle(), plain);
}

TEST_F(ButtonSt, SettersRefuseBadValuesAndKeepTheOldOnes) {
    AddButton(kButtonId, "");
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    for (int index = 0; index < kButtonColorCount; ++index) {
        EXPECT_EQ(button.GetColor(index),
                  GetSysColor(index % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT))
            << index;
    }
    const COLORREF face = button.GetColor(kColorBackgroundIn);
    EXPECT_EQ(button.SetColor(6, RGB(1, 2, 3)), kButtonBadColorIndex);
    EXPECT_EQ(button.OffsetColor(6, 30), kButtonBadColorIndex);
    EXPECT_EQ(button.OffsetColor(kColorBackgroundIn, 256), kButtonBadShade);
    EXPECT_EQ(button.OffsetColor(kColorBackgroundIn, -256), kButtonBadShade);
    EXPECT_EQ(button.GetColor(kColorBackgroundIn), face);
    EXPECT_EQ(button.OffsetColor(kColorBackgroundIn, 30), kButtonOk);
    EXPECT_EQ(button.GetColor(kColorBackgroundIn), OffsetColorValue(face, 30));
    EXPECT_EQ(button.SetColor(kColorForegroundIn, RGB(128, 0, 0)), kButtonOk);
    EXPECT_EQ(button.GetColor(kColorForegroundIn), RGB(128, 0, 0));
    EXPECT_EQ(button.GetColor(6), CLR_INVALID);
    EXPECT_EQ(button.SetAlign(4), kButtonBadAlign);
    EXPECT_EQ(button.SetAlign(-1), kButtonBadAlign);
    EXPECT_EQ(button.SetAlign(3), kButtonOk);
}

enum class Poke { kNothing, kMouseOver, kFocus, kFocusAndMouseOver, kPress };

struct FillCase {
    const char* what;
    bool flat;
    Poke poke;
    int wantSlot;
    bool wantOver;
};

TEST_F(ButtonSt, FillColourFollowsMouseFocusAndPress) {
    const FillCase cases[] = {
        {"flat at rest", true, Poke::kNothing, kColorBackgroundOut, false},
        {"flat under the mouse", true, Poke::kMouseOver, kColorBackgroundIn, true},
        {"flat focused", true, Poke::kFocus, kColorBackgroundFocus, false},
        {"flat focused under the mouse", true, Poke::kFocusAndMouseOver, kColorBackgroundIn, true},
        {"flat pressed", true, Poke::kPress, kColorBackgroundIn, false},
        {"raised at rest", false, Poke::kNothing, kColorBackgroundOut, false},
        {"raised ignores the mouse", false, Poke::kMouseOver, kColorBackgroundOut, false},
        {"raised focused", false, Poke::kFocus, kColorBackgroundFocus, false},
        {"raised pressed", false, Poke::kPress, kColorBackgroundIn, false},
    };
    for (const auto& c : cases) {
        HWND window = AddButton(kButtonId, "");
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        button.SetFlat(c.flat);
        ApplySlotColors(button);
        if (c.poke == Poke::kFocus || c.poke == Poke::kFocusAndMouseOver) {
            SetFocus(window);
        }
        if (c.poke == Poke::kMouseOver || c.poke == Poke::kFocusAndMouseOver) {
            MoveMouseOver(window);
        }
        if (c.poke == Poke::kPress) {
            SendMessageA(window, BM_SETSTATE, TRUE, 0);
        }
        EXPECT_EQ(button.IsMouseOver(), c.wantOver) << c.what;
        const Picture picture = Picture::OfWindow(window);
        EXPECT_EQ(picture.At(picture.Width() / 2, picture.Height() / 2), kSlotColors[c.wantSlot])
            << c.what;
        // A raised button that is focused gets the black frame around its edge.
        const bool framed =
            !c.flat && (c.poke == Poke::kFocus || c.poke == Poke::kFocusAndMouseOver);
        EXPECT_EQ(picture.At(0, picture.Height() / 2) == RGB(0, 0, 0), framed) << c.what;
        RemoveChildren();
    }
}

TEST_F(ButtonSt, LeavingClearsTheMouseOverFlag) {
    HWND window = AddButton(kButtonId, "");
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    ApplySlotColors(button);

    MoveMouseOver(window);
    ASSERT_TRUE(button.IsMouseOver());
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.IsMouseOver());
    const Picture afterLeave = Picture::OfWindow(window);
    EXPECT_EQ(afterLeave.At(afterLeave.Width() / 2, afterLeave.Height() / 2),
              kSlotColors[kColorBackgroundOut]);

    // The real thing: the system reports the leave once the cursor has gone.
    MoveMouseOver(window);
    ASSERT_TRUE(button.IsMouseOver());
    MoveMouseAway();
    for (int wait = 0; wait < 40 && button.IsMouseOver(); ++wait) {
        PumpMessages();
        Sleep(50);
    }
    EXPECT_FALSE(button.IsMouseOver()) << "no leave reported within two seconds";
}

TEST_F(ButtonSt, DraggingInWithTheButtonHeldDoesNotLightUp) {
    HWND window = AddButton(kButtonId, "");
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    MoveMouseOver(window, MK_LBUTTON);
    EXPECT_FALSE(button.IsMouseOver());
    MoveMouseOver(window);
    EXPECT_TRUE(button.IsMouseOver());
    MoveMouseOver(window, MK_LBUTTON);
    EXPECT_TRUE(button.IsMouseOver()) << "already lit: holding the button keeps it";
}

struct CaptionCase {
    const char* what;
    Poke poke;
    bool enabled;
    int wantSlot;  // -1: the disabled look
};

TEST_F(ButtonSt, CaptionColourFollowsStateAndDisabledIsEngraved) {
    const CaptionCase cases[] = {
        {"at rest", Poke::kNothing, true, kColorForegroundOut},
        {"under the mouse", Poke::kMouseOver, true, kColorForegroundIn},
        {"focused", Poke::kFocus, true, kColorForegroundFocus},
        {"pressed", Poke::kPress, true, kColorForegroundIn},
        {"disabled", Poke::kNothing, false, -1},
    };
    for (const auto& c : cases) {
        HWND window = AddButton(kButtonId, "MMMM WWWW", BS_PUSHBUTTON, {10, 10, 190, 50});
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        ApplySlotColors(button);
        EnableWindow(window, c.enabled);
        if (c.poke == Poke::kFocus) {
            SetFocus(window);
        } else if (c.poke == Poke::kMouseOver) {
            MoveMouseOver(window);
        } else if (c.poke == Poke::kPress) {
            SendMessageA(window, BM_SETSTATE, TRUE, 0);
        }
        const Picture picture = Picture::OfWindow(window);
        for (int slot : {kColorForegroundIn, kColorForegroundOut, kColorForegroundFocus}) {
            EXPECT_EQ(picture.Count(kSlotColors[slot]) > 0, slot == c.wantSlot)
                << c.what << ": caption slot " << slot;
        }
        const int highlight = picture.Count(GetSysColor(COLOR_3DHILIGHT));
        const int shadow = picture.Count(GetSysColor(COLOR_3DSHADOW));
        if (c.wantSlot < 0) {
            EXPECT_GT(highlight, 10) << c.what;
            EXPECT_GT(shadow, 10) << c.what;
            // The highlight copy sits one pixel right of and below the shadow copy.
            const RECT lit = picture.BoundsOf(GetSysColor(COLOR_3DHILIGHT));
            const RECT dark = picture.BoundsOf(GetSysColor(COLOR_3DSHADOW));
            EXPECT_EQ(lit.right - dark.right, 1) << c.what;
            EXPECT_EQ(lit.bottom - dark.bottom, 1) << c.what;
        } else {
            EXPECT_EQ(highlight + shadow, 0) << c.what;
        }
        RemoveChildren();
    }
}

TEST_F(ButtonSt, FocusRectangleOnRaisedButtonsAndOnFlatOnesOnlyWhenAsked) {
    const struct {
        const char* what;
        bool flat;
        bool flatFocus;
        int column;  // where the focus rectangle's left side belongs
        bool want;
    } cases[] = {
        {"raised", false, false, 1 + 3, true},  // inside the black frame
        {"flat", true, false, 3, false},
        {"flat with flat focus", true, true, 3, true},
    };
    for (const auto& c : cases) {
        HWND window = AddButton(kButtonId, "");
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        button.SetFlat(c.flat);
        button.SetFlatFocus(c.flatFocus);
        ApplySlotColors(button);
        SetFocus(window);
        const Picture picture = Picture::OfWindow(window);
        const RECT column{c.column, 10, c.column + 1, picture.Height() - 10};
        const int rows = picture.Height() - 20;
        const int fill = picture.Count(kSlotColors[kColorBackgroundFocus], column);
        EXPECT_EQ(fill < rows, c.want) << c.what;
        // Nothing drawn one pixel further in.
        const RECT inside{c.column + 1, 10, c.column + 2, picture.Height() - 10};
        EXPECT_EQ(picture.Count(kSlotColors[kColorBackgroundFocus], inside), rows) << c.what;
        RemoveChildren();
    }
}

TEST_F(ButtonSt, TooltipCoversTheButtonAndTakesNewText) {
    HWND window = AddButton(kButtonId, "Exit");
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    EXPECT_EQ(button.TooltipHandle(), nullptr) << "made only when first asked for";

    const auto text = [&] {
        char buffer[128] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.lpszText = buffer;
        SendMessageA(button.TooltipHandle(), TTM_GETTEXTA, sizeof(buffer),
                     reinterpret_cast<LPARAM>(&tool));
        return std::string(buffer);
    };

    button.SetTooltipText("Close Tarvik");
    HWND tooltip = button.TooltipHandle();
    ASSERT_NE(tooltip, nullptr);
    char className[64] = {};
    GetClassNameA(tooltip, className, sizeof(className));
    EXPECT_STREQ(className, TOOLTIPS_CLASSA);
    EXPECT_EQ(text(), "Close Tarvik");

    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), UINT{TTF_IDISHWND | TTF_SUBCLASS});

    button.SetTooltipText("Minimize Tarvik", false);
    EXPECT_EQ(button.TooltipHandle(), tooltip);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(text(), "Minimize Tarvik");

    DestroyWindow(window);
    EXPECT_EQ(button.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(tooltip)) << "the tooltip goes with its button";
}

TEST_F(ButtonSt, ClickStillReachesTheParent) {
    HWND window = AddButton(kButtonId, "Benchmark");
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    SendMessageA(window, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_FALSE(Log().commands.empty());
    EXPECT_EQ(Log().commands.back(), std::make_pair(kButtonId, int{BN_CLICKED}));
}

TEST_F(ButtonSt, EnterPressesTheDefaultAndTheDefaultFollowsTheFocus) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10,
                                100, 100, 24, Dialog(), reinterpret_cast<HMENU>(2000),
                                GetModuleHandleA(nullptr), nullptr);
    HWND exit = AddButton(IDOK, "Exit", BS_DEFPUSHBUTTON, {10, 10, 130, 40});
    HWND other = AddButton(kButtonId, "Start", BS_PUSHBUTTON, {10, 50, 130, 80});
    CButtonST exitButton;
    CButtonST otherButton;
    ASSERT_TRUE(exitButton.SubclassDlgItem(IDOK, Dialog()));
    ASSERT_TRUE(otherButton.SubclassDlgItem(kButtonId, Dialog()));
    exitButton.SetFlat(false);
    otherButton.SetFlat(false);
    // What a dialog template with a default push button starts with.
    SendMessageA(Dialog(), DM_SETDEFID, IDOK, 0);

    const auto pressEnter = [&] {
        Log().commands.clear();
        MSG key{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        IsDialogMessageA(Dialog(), &key);
        PumpMessages();
        return Log().commands.empty() ? -1 : Log().commands.back().first;
    };
    const auto framed = [](HWND window) {
        const Picture picture = Picture::OfWindow(window);
        return picture.At(0, picture.Height() / 2) == RGB(0, 0, 0);
    };

    SendMessageA(Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    EXPECT_EQ(pressEnter(), IDOK);
    EXPECT_TRUE(framed(exit)) << "the default button shows its frame without the focus";
    EXPECT_FALSE(framed(other));

    SendMessageA(Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(other), TRUE);
    EXPECT_TRUE(otherButton.IsDefault());
    EXPECT_FALSE(exitButton.IsDefault());
    EXPECT_EQ(pressEnter(), kButtonId);
    EXPECT_FALSE(framed(exit));
    for (HWND window : {exit, other}) {
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    }

    SendMessageA(Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    EXPECT_TRUE(exitButton.IsDefault()) << "the default goes back when the focus leaves";
    EXPECT_EQ(pressEnter(), IDOK);
}

TEST_F(ButtonSt, GreyAndDarkerCopiesKeepAlphaAndShape) {
    const COLORREF color = RGB(200, 40, 90);
    const struct {
        const char* what;
        int choice;
    } cases[] = {{"grey", kIconGrey}, {"darker", kIconDarker}};
    for (const auto& c : cases) {
        CButtonST button;
        button.SetIconHandles(MakeHalfIcon(color), c.choice);
        ASSERT_NE(button.OutImage().Icon(), nullptr) << c.what;
        ASSERT_NE(button.OutImage().Icon(), button.InImage().Icon()) << c.what;
        EXPECT_EQ(button.OutImage().Size().cx, kIconSize) << c.what;
        const auto in = IconPixels(button.InImage().Icon());
        const auto out = IconPixels(button.OutImage().Icon());
        ASSERT_EQ(out.size(), in.size()) << c.what;
        ASSERT_FALSE(out.empty()) << c.what;
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_EQ(out[i] >> 24, in[i] >> 24) << c.what << " alpha at " << i;
            if ((in[i] >> 24) == 0) {
                continue;
            }
            const COLORREF was = ColorOfDibPixel(in[i]);
            const COLORREF now = ColorOfDibPixel(out[i]);
            if (c.choice == kIconGrey) {
                EXPECT_TRUE(GetRValue(now) == GetGValue(now) && GetGValue(now) == GetBValue(now))
                    << c.what << " at " << i;
            } else {
                EXPECT_LT(GetRValue(now), GetRValue(was)) << c.what << " at " << i;
                EXPECT_LT(GetGValue(now), GetGValue(was)) << c.what << " at " << i;
                EXPECT_LT(GetBValue(now), GetBValue(was)) << c.what << " at " << i;
            }
        }
    }
}

TEST_F(ButtonSt, GreyIconAtRestColouredUnderTheMouse) {
    HWND window = AddButton(kButtonId, "", BS_PUSHBUTTON, {10, 10, 50, 50});
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
    const COLORREF color = RGB(200, 40, 90);
    button.SetIconHandles(MakeHalfIcon(color), kIconGrey);
    // Without a caption the icon sits in the middle; its opaque half is left of the centre.
    const auto iconPixel = [&](const Picture& picture) {
        return picture.At(picture.Width() / 2 - 4, picture.Height() / 2);
    };
    const Picture rest = Picture::OfWindow(window);
    const COLORREF grey = iconPixel(rest);
    EXPECT_TRUE(GetRValue(grey) == GetGValue(grey) && GetGValue(grey) == GetBValue(grey));
    EXPECT_NE(grey, button.GetColor(kColorBackgroundOut));
    EXPECT_EQ(rest.At(rest.Width() / 2 + 4, rest.Height() / 2),
              button.GetColor(kColorBackgroundOut))
        << "the transparent half shows the face";
    MoveMouseOver(window);
    EXPECT_EQ(iconPixel(Picture::OfWindow(window)), color);
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(iconPixel(Picture::OfWindow(window)), grey);
}

TEST_F(ButtonSt, BitmapKeyColourShowsTheFace) {
    // 16x16: a magenta key colour around a red 8x8 square.
    const COLORREF key = RGB(255, 0, 255);
    std::vector<DibPixel> pixels(kIconSize * kIconSize, 0x00FF00FFu);
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            pixels[static_cast<std::size_t>(y * kIconSize + x)] = 0x00C80000u;  // RGB(200,0,0)
        }
    }
    const struct {
        const char* what;
        int outChoice;
        bool wantGreyCentre;
    } cases[] = {{"same image", kIconNone, false}, {"grey copy", kIconGrey, true}};
    for (const auto& c : cases) {
        HWND window = AddButton(kButtonId, "", BS_PUSHBUTTON, {10, 10, 50, 50});
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        button.SetColor(kColorBackgroundOut, RGB(0, 160, 0));
        button.SetBitmapHandles(MakeDibSection({kIconSize, kIconSize, pixels}).Release(), key,
                                c.outChoice);
        const Picture picture = Picture::OfWindow(window);
        const RECT square = picture.BoundsOf(RGB(200, 0, 0));
        const int left = (picture.Width() - kIconSize) / 2;
        const int top = (picture.Height() - kIconSize) / 2;
        EXPECT_EQ(picture.Count(key), 0) << c.what;
        const Picture out = Picture::OfBitmap(button.OutImage().Bitmap());
        EXPECT_EQ(out.Count(key), kIconSize * kIconSize - 8 * 8)
            << c.what << ": the key colour stays exactly where it was";
        EXPECT_EQ(picture.At(left, top), RGB(0, 160, 0)) << c.what << ": the key is see-through";
        const COLORREF centre = picture.At(left + 8, top + 8);
        if (c.wantGreyCentre) {
            EXPECT_TRUE(GetRValue(centre) == GetGValue(centre) &&
                        GetGValue(centre) == GetBValue(centre))
                << c.what;
            EXPECT_NE(centre, RGB(0, 160, 0)) << c.what;
        } else {
            EXPECT_EQ(centre, RGB(200, 0, 0)) << c.what;
            EXPECT_EQ(square.left, left + 4) << c.what;
            EXPECT_EQ(square.top, top + 4) << c.what;
        }
        RemoveChildren();
    }
}

TEST_F(ButtonSt, AlignmentPlacesTheImageBesideTheCaption) {
    const COLORREF green = RGB(0, 200, 0);
    const struct {
        const char* what;
        int align;
    } cases[] = {{"left", kAlignImageLeft},
                 {"above", kAlignImageAbove},
                 {"right", kAlignImageRight},
                 {"3 as left", kAlignImageLeftAlias}};
    for (const auto& c : cases) {
        HWND window = AddButton(kButtonId, "Go", BS_PUSHBUTTON, {10, 10, 130, 60});
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        ApplySlotColors(button);
        ASSERT_EQ(button.SetAlign(c.align), kButtonOk);
        std::vector<DibPixel> solid(kIconSize * kIconSize, 0xFF00C800u);
        std::vector<BYTE> mask(kIconSize * 2, 0);
        GdiBitmap color = MakeDibSection({kIconSize, kIconSize, solid});
        GdiBitmap maskBitmap(CreateBitmap(kIconSize, kIconSize, 1, 1, mask.data()));
        ICONINFO info{TRUE, 0, 0, maskBitmap.Get(), color.Get()};
        button.SetIconHandles(CreateIconIndirect(&info));

        const Picture picture = Picture::OfWindow(window);
        const RECT image = picture.BoundsOf(green);
        const RECT text = picture.BoundsOf(kSlotColors[kColorForegroundOut]);
        ASSERT_EQ(image.right - image.left, kIconSize) << c.what;
        ASSERT_LT(text.left, text.right) << c.what << ": caption drawn";
        if (c.align == kAlignImageAbove) {
            EXPECT_NEAR((image.left + image.right) / 2, picture.Width() / 2, 1) << c.what;
            EXPECT_LE(image.bottom, text.top) << c.what;
        } else if (c.align == kAlignImageRight) {
            EXPECT_EQ(image.right, picture.Width() - 3) << c.what;
            EXPECT_LT(text.right, image.left) << c.what;
        } else {
            EXPECT_EQ(image.left, 3) << c.what;
            EXPECT_GT(text.left, image.right) << c.what;
        }
        if (c.align != kAlignImageAbove) {
            EXPECT_NEAR((text.top + text.bottom) / 2, picture.Height() / 2, 2) << c.what;
            EXPECT_NEAR((image.top + image.bottom) / 2, picture.Height() / 2, 1) << c.what;
        }

        // Pressed, image and caption move one pixel down and right.
        SendMessageA(window, BM_SETSTATE, TRUE, 0);
        const Picture pressed = Picture::OfWindow(window);
        const RECT movedImage = pressed.BoundsOf(green);
        const RECT movedText = pressed.BoundsOf(kSlotColors[kColorForegroundIn]);
        EXPECT_EQ(movedImage.left - image.left, 1) << c.what;
        EXPECT_EQ(movedImage.top - image.top, 1) << c.what;
        EXPECT_EQ(movedText.left - text.left, 1) << c.what;
        EXPECT_EQ(movedText.top - text.top, 1) << c.what;
        RemoveChildren();
    }
}

TEST_F(ButtonSt, LongCaptionWrapsAndStaysCentredBothWays) {
    const auto render = [&](const char* text) {
        HWND window = AddButton(kButtonId, text, BS_PUSHBUTTON, {10, 10, 80, 70});
        CButtonST button;
        EXPECT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        ApplySlotColors(button);
        const Picture picture = Picture::OfWindow(window);
        RemoveChildren();
        return picture;
    };
    const COLORREF ink = kSlotColors[kColorForegroundOut];
    const Picture shortOne = render("Show");
    const Picture longOne = render("Show Line Graph");
    const RECT oneLine = shortOne.BoundsOf(ink);
    const RECT wrapped = longOne.BoundsOf(ink);
    ASSERT_LT(oneLine.top, oneLine.bottom);
    EXPECT_GT(wrapped.bottom - wrapped.top, (oneLine.bottom - oneLine.top) * 3 / 2)
        << "wrapped onto more than one line";
    EXPECT_GE(wrapped.left, 3) << "kept inside the margins";
    EXPECT_LE(wrapped.right, longOne.Width() - 3) << "kept inside the margins";
    for (const RECT& text : {oneLine, wrapped}) {
        EXPECT_NEAR((text.left + text.right) / 2, longOne.Width() / 2, 2);
        EXPECT_NEAR((text.top + text.bottom) / 2, longOne.Height() / 2, 2);
    }
}

TEST_F(ButtonSt, LoadsPicturesFromTheProgramAndReportsMissingOnes) {
    CButtonST exit;
    EXPECT_TRUE(exit.SetIcon(IDI_EXIT, kIconGrey));
    EXPECT_GT(exit.InImage().Size().cx, 0);
    EXPECT_NE(exit.OutImage().Icon(), exit.InImage().Icon());
    EXPECT_EQ(exit.OutImage().Size().cx, exit.InImage().Size().cx);

    CButtonST close;
    EXPECT_TRUE(close.SetBitmaps(IDB_CLOSE, RGB(0, 0, 0)));
    EXPECT_EQ(close.InImage().Size().cx, 16);
    EXPECT_EQ(close.InImage().Transparent(), RGB(0, 0, 0));

    const int missing = 4321;
    CButtonST noIcon;
    EXPECT_FALSE(noIcon.SetIcon(missing));
    EXPECT_TRUE(noIcon.InImage().Empty());
    EXPECT_FALSE(noIcon.SetIcon(IDI_EXIT, missing)) << "the out icon is missing";
    EXPECT_FALSE(noIcon.InImage().Empty()) << "the in icon still shows";
    EXPECT_EQ(noIcon.OutImage().Icon(), noIcon.InImage().Icon());
    CButtonST noBitmap;
    EXPECT_FALSE(noBitmap.SetBitmaps(missing, RGB(0, 0, 0)));
    EXPECT_TRUE(noBitmap.InImage().Empty());
}

TEST_F(ButtonSt, WindowAndObjectMayGoInEitherOrder) {
    HWND window = AddButton(kButtonId, "Exit", BS_DEFPUSHBUTTON);
    {
        CButtonST button;
        ASSERT_TRUE(button.SubclassDlgItem(kButtonId, Dialog()));
        button.SetTooltipText("Close Tarvik");
    }
    // The object is gone: the window is an ordinary default button again and still paints.
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    Picture::OfWindow(window);

    CButtonST again;
    ASSERT_TRUE(again.SubclassDlgItem(kButtonId, Dialog()));
    EXPECT_TRUE(again.IsDefault());
    DestroyWindow(window);
    EXPECT_EQ(again.Handle(), nullptr);
    again.SetColor(kColorBackgroundOut, RGB(1, 2, 3));  // no window left to repaint: harmless
    again.SetTooltipText("Close Tarvik");
    EXPECT_EQ(again.TooltipHandle(), nullptr);
}

}  // namespace
}  // namespace tarvik
