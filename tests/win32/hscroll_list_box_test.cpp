#include "widgets/win32/hscroll_list_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "base/win32/gdi.h"

namespace tarvik {
namespace {

// A font well away from the system's, so measuring with the wrong one shows.
GdiFont BigFont() {
    return GdiFont(CreateFontA(-26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, "Arial"));
}

// A list box of its own, bound to a CHScrollListBox, with the big font.
struct BoundList {
    explicit BoundList(DWORD extraStyle) {
        list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_HSCROLL | WS_VSCROLL | extraStyle, 0,
                               0, 200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        bound = box.Attach(list);
    }
    ~BoundList() { DestroyWindow(list); }
    BoundList(const BoundList&) = delete;
    BoundList& operator=(const BoundList&) = delete;

    // What the rule asks for over the current items, measured independently.
    int ExpectedExtent() const {
        const bool tabbed = (GetWindowLongA(list, GWL_STYLE) & LBS_USETABSTOPS) != 0;
        const WindowDc dc(list);
        const SelectionGuard selected(dc.Get(), font.Get());
        int widest = 0;
        for (int i = 0; i < box.Count(); ++i) {
            const std::string text = box.Text(i);
            const int length = static_cast<int>(text.size());
            int width = 0;
            if (tabbed) {
                width =
                    LOWORD(GetTabbedTextExtentA(dc.Get(), text.c_str(), length, 0, nullptr)) + 2;
            } else {
                SIZE size{};
                GetTextExtentPoint32A(dc.Get(), text.c_str(), length, &size);
                width = size.cx + 3;
            }
            widest = std::max(widest, width);
        }
        return widest;
    }

    GdiFont font = BigFont();
    HWND list = nullptr;
    CHScrollListBox box;
    bool bound = false;
};

// A folder with a few files of chosen names; gone with the object.
class TempFolder {
  public:
    explicit TempFolder(const std::vector<std::string>& names) : names_(names) {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        char name[MAX_PATH] = "";
        GetTempFileNameA(temp, "tvh", 0, name);
        DeleteFileA(name);
        path_ = name;
        CreateDirectoryA(path_.c_str(), nullptr);
        for (const std::string& file : names_) {
            std::ofstream(path_ + "\\" + file) << "x";
        }
    }
    ~TempFolder() {
        for (const std::string& file : names_) {
            DeleteFileA((path_ + "\\" + file).c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::vector<std::string> names_;
    std::string path_;
};

TEST(HScrollListBox, ExtentFollowsTheWidestItemThroughEveryChange) {
    const TempFolder folder({"a.csv", "a-much-longer-file-name-for-the-listing.csv", "b.txt"});
    using Step = std::function<void(CHScrollListBox&)>;
    struct Case {
        const char* what;
        DWORD style;
        std::vector<Step> steps;
        int itemsLeft;
    };
    const std::string listing = folder.Path() + "\\*.csv";
    const Case cases[] = {
        {"adds widen",
         0,
         {[](CHScrollListBox& b) { b.AddString("short"); },
          [](CHScrollListBox& b) { b.AddString("a noticeably longer line of text"); },
          [](CHScrollListBox& b) { b.AddString("mid-sized"); }},
         3},
        {"insert in front widens",
         0,
         {[](CHScrollListBox& b) { b.AddString("short"); },
          [](CHScrollListBox& b) { b.InsertString(0, "inserted in front and wider"); }},
         2},
        {"deleting the widest narrows",
         0,
         {[](CHScrollListBox& b) { b.AddString("short"); },
          [](CHScrollListBox& b) { b.AddString("the widest item of them all"); },
          [](CHScrollListBox& b) { b.AddString("medium item"); },
          [](CHScrollListBox& b) { b.DeleteString(1); }},
         2},
        {"deleting the last leaves nothing",
         0,
         {[](CHScrollListBox& b) { b.AddString("only"); },
          [](CHScrollListBox& b) { b.DeleteString(0); }},
         0},
        {"reset empties",
         0,
         {[](CHScrollListBox& b) { b.AddString("something wide enough"); },
          [](CHScrollListBox& b) { b.ResetContent(); }},
         0},
        {"listing a folder",
         0,
         {[&listing](CHScrollListBox& b) { b.Dir(DDL_READWRITE, listing); }},
         2},
        {"tab stops",
         LBS_USETABSTOPS,
         {[](CHScrollListBox& b) { b.AddString("a\tb\tc"); },
          [](CHScrollListBox& b) { b.AddString("tabbed\ttext"); }},
         2},
        {"strings sent straight to the list",
         0,
         {[](CHScrollListBox& b) {
             SendMessageA(b.Handle(), LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>("sent without the wrapper"));
         }},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoundList bound(c.style);
        ASSERT_TRUE(bound.bound);
        for (const Step& step : c.steps) {
            step(bound.box);
            EXPECT_EQ(bound.box.HorizontalExtent(), bound.ExpectedExtent());
        }
        EXPECT_EQ(bound.box.Count(), c.itemsLeft);
        if (c.itemsLeft == 0) {
            EXPECT_EQ(bound.box.HorizontalExtent(), 0);
        } else {
            EXPECT_GT(bound.box.HorizontalExtent(), 3);
        }
    }
}

TEST(HScrollListBox, BindsOnlyOnceAndOnlyToAWindow) {
    BoundList bound(0);
    ASSERT_TRUE(bound.bound);
    EXPECT_FALSE(bound.box.Attach(bound.list));
    CHScrollListBox unbound;
    EXPECT_FALSE(unbound.Attach(nullptr));
}

}  // namespace
}  // namespace tarvik
