#include "widgets/win32/button_style.h"

#include "res/resource_ids.h"
#include "tests/win32/support/page_host.h"
#include "tests/win32/support/picture.h"
#include "widgets/button_looks.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

constexpr int kButtonId = 1201;

// What a slot should hold: the button's starting colour, the lit face, or a colour of its own.
enum class Want { kFace, kText, kLitFace, kColor };
struct SlotWant {
    Want what;
    COLORREF color = 0;
};
constexpr SlotWant kFace{Want::kFace};
constexpr SlotWant kText{Want::kText};
constexpr SlotWant kLit{Want::kLitFace};
constexpr SlotWant Colored(COLORREF color) {
    return {Want::kColor, color};
}
// The colours as the program has always shown them, written out rather than named, so a
// changed constant shows here.
constexpr SlotWant kDarkRedCaption = Colored(RGB(128, 0, 0));
constexpr SlotWant kGreenCaption = Colored(RGB(0, 128, 0));
constexpr SlotWant kNavyCaption = Colored(RGB(0, 0, 128));

struct LookCase {
    const char* what;
    ButtonStyle style;
    bool flat;
    int align;
    ButtonPictureKind picture;
    bool greyOut;                 // a separate grey picture at rest
    std::vector<SlotWant> slots;  // in ButtonColorSlot order
};

COLORREF Expected(const SlotWant& want) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    switch (want.what) {
        case Want::kFace:
            return face;
        case Want::kText:
            return GetSysColor(COLOR_BTNTEXT);
        case Want::kLitFace:
            return OffsetColorValue(face, 30);
        case Want::kColor:
            break;
    }
    return want.color;
}

class ButtonStyleTest : public HostWindowSuite {
  protected:
    void TearDown() override {
        for (HWND child : children_) {
            DestroyWindow(child);
        }
        PumpMessages();
    }
    HWND AddButton(int id, const char* text) {
        HWND child = CreateWindowExA(
            0, "BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 40, Host(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        children_.push_back(child);
        return child;
    }
    void RemoveButtons() {
        TearDown();
        children_.clear();
    }

  private:
    std::vector<HWND> children_;
};

TEST_F(ButtonStyleTest, NamedLooksGiveTheProgramsColoursPicturesAndTooltips) {
    ButtonStyle viewLocally =
        TwoToneIconLook(IDI_VIEW_LOCALLY, "View detailed results locally", kColorGreen);
    viewLocally.align = kAlignImageRight;
    const auto icon = ButtonPictureKind::kIcon;
    const auto bitmap = ButtonPictureKind::kBitmap;
    const LookCase cases[] = {
        {"exit",
         ExitButtonLook(IDI_EXIT, "Close Tarvik"),
         true,
         kAlignImageLeft,
         icon,
         true,
         {kLit, kDarkRedCaption, kFace, kText, kFace, kText}},
        {"title bar close",
         TitleBarButtonLook(IDB_CLOSE, "Close Tarvik"),
         true,
         kAlignImageLeft,
         bitmap,
         false,
         {kFace, kText, kFace, kText, kFace, kText}},
        {"title bar help",
         TitleBarButtonLook(IDB_HELP, "Get Some Help"),
         true,
         kAlignImageLeft,
         bitmap,
         false,
         {kFace, kText, kFace, kText, kFace, kText}},
        {"benchmark",
         BenchmarkButtonLook(IDI_BENCHMARK, "Run Standard Benchmark"),
         false,
         kAlignImageLeft,
         icon,
         false,
         {kLit, kDarkRedCaption, kFace, kGreenCaption, kFace, kGreenCaption}},
        {"results",
         RaisedIconLook(IDI_SAVE, "Save your results to a text file"),
         false,
         kAlignImageLeft,
         icon,
         false,
         {kLit, kText, kFace, kText, kFace, kText}},
        {"upload",
         TwoToneIconLook(IDI_UPLOAD, "Upload your results", kColorNavy),
         false,
         kAlignImageLeft,
         icon,
         false,
         {kLit, kDarkRedCaption, kFace, kNavyCaption, kFace, kNavyCaption}},
        {"view locally",
         viewLocally,
         false,
         kAlignImageRight,
         icon,
         false,
         {kLit, kDarkRedCaption, kFace, kGreenCaption, kFace, kGreenCaption}},
    };
    for (const LookCase& c : cases) {
        HWND window = AddButton(kButtonId, "Go");
        CButtonST button;
        ASSERT_TRUE(StyleButton(button, kButtonId, Host(), c.style)) << c.what;
        EXPECT_EQ(button.Handle(), window) << c.what;
        EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << c.what;
        EXPECT_EQ(button.IsFlat(), c.flat) << c.what;
        EXPECT_FALSE(button.IsFlatFocus()) << c.what;
        EXPECT_EQ(button.Align(), c.align) << c.what;
        EXPECT_EQ(button.TooltipText(), c.style.tooltip) << c.what;
        ASSERT_EQ(c.slots.size(), std::size_t{kButtonColorCount}) << c.what;
        for (int slot = 0; slot < kButtonColorCount; ++slot) {
            EXPECT_EQ(button.GetColor(slot), Expected(c.slots[static_cast<std::size_t>(slot)]))
                << c.what << ": colour slot " << slot;
        }
        const SlotWant& restCaption = c.slots[kColorForegroundOut];
        if (restCaption.what == Want::kColor) {
            EXPECT_GT(Picture::OfWindow(window).Count(restCaption.color), 0)
                << c.what << ": the caption is painted in its colour";
        }
        const ButtonImage& in = button.InImage();
        EXPECT_EQ(in.Icon() != nullptr, c.picture == icon) << c.what;
        EXPECT_EQ(in.Bitmap() != nullptr, c.picture == bitmap) << c.what;
        if (c.picture == bitmap) {
            EXPECT_EQ(in.Transparent(), RGB(0, 0, 0)) << c.what;
        }
        EXPECT_EQ(&button.OutImage() != &in, c.greyOut) << c.what;
        RemoveButtons();
    }
}

TEST_F(ButtonStyleTest, StylesAButtonBoundAlreadyAndRefusesAStrangerOrAMissingControl) {
    HWND window = AddButton(kButtonId, "Exit");
    AddButton(kButtonId + 1, "Other");
    const ButtonStyle exit = ExitButtonLook(IDI_EXIT, "Close Tarvik");

    CButtonST bound;
    ASSERT_TRUE(bound.SubclassDlgItem(kButtonId, Host()));
    EXPECT_TRUE(StyleButton(bound, kButtonId, Host(), exit)) << "bound to that control already";
    EXPECT_EQ(bound.Handle(), window);
    EXPECT_EQ(bound.TooltipText(), "Close Tarvik");
    EXPECT_FALSE(StyleButton(bound, kButtonId + 1, Host(), exit)) << "bound to another control";
    EXPECT_EQ(bound.Handle(), window);

    CButtonST missing;
    EXPECT_FALSE(StyleButton(missing, 4242, Host(), exit));
    EXPECT_EQ(missing.Handle(), nullptr);
}

TEST_F(ButtonStyleTest, MissingPictureIsReportedAndTheRestStillApplies) {
    AddButton(kButtonId, "Go");
    ButtonStyle style = BenchmarkButtonLook(4321, "Run Standard Benchmark");
    CButtonST button;
    EXPECT_FALSE(StyleButton(button, kButtonId, Host(), style));
    EXPECT_NE(button.Handle(), nullptr);
    EXPECT_TRUE(button.InImage().Empty());
    EXPECT_EQ(button.GetColor(kColorForegroundOut), RGB(0, 128, 0));
    EXPECT_EQ(button.TooltipText(), "Run Standard Benchmark");
}

TEST_F(ButtonStyleTest, ShadesApplyToTheColoursTheStyleSets) {
    AddButton(kButtonId, "Go");
    ButtonStyle style;
    style.colors = {{kColorBackgroundIn, RGB(100, 50, 0)}, {kColorBackgroundOut, RGB(7, 8, 9)}};
    style.shades = {{kColorBackgroundIn, 30}, {kColorBackgroundFocus, -255}};
    style.flatFocus = true;
    CButtonST button;
    EXPECT_TRUE(StyleButton(button, kButtonId, Host(), style)) << "no picture is no failure";
    EXPECT_EQ(button.GetColor(kColorBackgroundIn), RGB(130, 80, 30));
    EXPECT_EQ(button.GetColor(kColorBackgroundOut), RGB(7, 8, 9));
    EXPECT_EQ(button.GetColor(kColorBackgroundFocus),
              OffsetColorValue(GetSysColor(COLOR_BTNFACE), -255));
    EXPECT_TRUE(button.IsFlatFocus());
    EXPECT_EQ(button.TooltipText(), "") << "no tooltip asked for";
    EXPECT_EQ(button.TooltipHandle(), nullptr);
}

}  // namespace
}  // namespace tarvik
