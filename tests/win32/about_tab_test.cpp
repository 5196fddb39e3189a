#include "app/win32/about_tab.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/win32/support/dialog_probe.h"
#include "tests/win32/support/modal_watcher.h"
#include "tests/win32/support/page_host.h"
#include "widgets/button_colors.h"

namespace tarvik {
namespace {

// Remembers what it was asked to open instead of starting a browser.
class RecordingOpener : public LinkOpener {
  public:
    int ShellOpen(const std::string& target) override {
        opened.push_back(target);
        return shellResult;
    }
    bool ReadClassesRootValue(const std::string&, std::string&) override { return false; }
    int Run(const std::string&) override { return 0; }

    int shellResult = 42;
    std::vector<std::string> opened;
};

struct OpenedAboutTab : OpenedPage<Ccredits> {
    // An empty viewer path keeps the system's help viewer.
    explicit OpenedAboutTab(HWND host, const std::string& helpViewer = "") {
        Open(host, [&](const PageContext& context) {
            auto made = std::make_unique<Ccredits>(context);
            made->SetOpener(opener);
            if (!helpViewer.empty()) {
                made->SetHelpViewerPath(helpViewer);
            }
            return made;
        });
    }
    HWND Page() const { return page->Handle(); }

    RecordingOpener opener;
};

void PointAt(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

std::string OwnFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

HCURSOR ProgramHand() {
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
}

class AboutTab : public HostWindowSuite {};

TEST_F(AboutTab, EveryControlSitsInItsPlaceWithItsText) {
    const OpenedAboutTab tab(Host());
    const struct {
        int id;  // IDC_STATIC: found by its text
        const char* text;
        RECT place;        // dialog units: left, top, width, height
        bool sizedByText;  // a link fits itself to its text: only where it starts is fixed
    } cases[] = {
        {IDC_STATIC, "Sponsor", {7, 3, 216, 47}, false},
        {IDC_STATIC, "Development Credits", {7, 52, 151, 45}, false},
        {IDC_STATIC, "Written by the Tarvik project", {13, 61, 140, 8}, false},
        {IDC_STATIC, "Homepage;", {13, 71, 38, 8}, false},
        {IDC_ABOUT_DEVELOPER_LINK, "tarvik.net", {55, 71, 59, 8}, true},
        {IDC_ABOUT_INFO, "Tarvik info", {16, 81, 90, 13}, false},
        {IDC_STATIC, "Online Credits", {7, 100, 126, 50}, false},
        {IDC_STATIC, "-Graphics and database system", {11, 110, 120, 8}, false},
        {IDC_STATIC, "built by", {14, 119, 40, 8}, false},
        {IDC_ABOUT_DESIGNER_LINK, "the Tarvik project", {56, 119, 66, 8}, true},
        {IDC_STATIC, "-Hosting of online database system", {12, 130, 119, 8}, false},
        {IDC_STATIC, "provided by", {14, 139, 41, 8}, false},
        {IDC_ABOUT_HOSTING_LINK, "results.tarvik.net", {56, 139, 58, 8}, true},
    };
    for (const auto& c : cases) {
        const HWND control =
            c.id == IDC_STATIC ? ChildWithText(tab.Page(), c.text) : tab.page->Item(c.id);
        ASSERT_NE(control, nullptr) << c.text;
        EXPECT_EQ(Control(control).Text(), c.text);
        const RECT want = InPixels(tab.Page(), c.place);
        const RECT place = PlaceOf(control);
        EXPECT_EQ(place.left, want.left) << c.text;
        EXPECT_EQ(place.top, want.top) << c.text;
        // A fitted link stays within the room it was given.
        EXPECT_LE(place.right, want.right) << c.text;
        if (!c.sizedByText) {
            EXPECT_EQ(place.right, want.right) << c.text;
            EXPECT_EQ(place.bottom, want.bottom) << c.text;
        }
        if (IsStatic(control)) {
            EXPECT_TRUE(ShowsWholeText(control)) << c.text << " is cut off";
        }
    }
}

TEST_F(AboutTab, PicturesShowTheirBitmapsAndOnlyTheBannerTakesClicks) {
    const OpenedAboutTab tab(Host());
    const struct {
        const char* what;
        POINT at;  // dialog units; a picture takes its bitmap's size
        bool notifies;
    } cases[] = {
        {"sponsor banner", {22, 14}, true},
        {"developer", {168, 53}, false},
        {"online", {136, 103}, false},
    };
    std::vector<HWND> pictures;
    for (HWND child : ChildrenOf(tab.Page())) {
        if (IsPicture(child)) {
            pictures.push_back(child);
        }
    }
    ASSERT_EQ(pictures.size(), std::size(cases));
    for (const auto& c : cases) {
        const RECT want = InPixels(tab.Page(), {c.at.x, c.at.y, 0, 0});
        HWND found = nullptr;
        for (HWND picture : pictures) {
            const RECT place = PlaceOf(picture);
            if (place.left == want.left && place.top == want.top) {
                found = picture;
            }
        }
        ASSERT_NE(found, nullptr) << c.what;
        EXPECT_NE(SendMessageA(found, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << c.what;
        EXPECT_EQ((StyleOf(found) & SS_NOTIFY) != 0, c.notifies) << c.what;
        EXPECT_EQ(found == tab.page->Item(IDC_ABOUT_BANNER), c.notifies) << c.what;
    }
}

TEST_F(AboutTab, NothingOverlapsOrLeavesThePage) {
    const OpenedAboutTab tab(Host());
    RECT page{};
    GetClientRect(tab.Page(), &page);
    std::vector<HWND> controls;
    for (HWND child : ChildrenOf(tab.Page())) {
        if (GetParent(child) == tab.Page() && !IsGroupBox(child)) {
            controls.push_back(child);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT a = PlaceOf(controls[i]);
        RECT inside{};
        IntersectRect(&inside, &a, &page);
        EXPECT_TRUE(EqualRect(&inside, &a)) << Control(controls[i]).Text();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const RECT b = PlaceOf(controls[j]);
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &a, &b))
                << Control(controls[i]).Text() << " / " << Control(controls[j]).Text();
        }
    }
}

TEST_F(AboutTab, LinksCarryTheProjectsAddressesAndOpenThroughTheOpener) {
    OpenedAboutTab tab(Host());
    const struct {
        int id;
        const char* address;
    } cases[] = {
        {IDC_ABOUT_DEVELOPER_LINK, "http://www.tarvik.net/"},
        {IDC_ABOUT_DESIGNER_LINK, "http://results.tarvik.net/"},
        {IDC_ABOUT_HOSTING_LINK, "http://results.tarvik.net/"},
    };
    for (const auto& c : cases) {
        const CHyperLink* link = tab.page->Link(c.id);
        ASSERT_NE(link, nullptr) << c.id;
        EXPECT_EQ(link->Handle(), tab.page->Item(c.id)) << c.id;
        EXPECT_EQ(link->GetURL(), c.address) << c.id;
        EXPECT_EQ(link->TooltipText(), c.address) << c.id;
        EXPECT_NE(link->GetLinkCursor(), nullptr) << c.id << ": a hand with or without the viewer";
        tab.opener.opened.clear();
        SendMessageA(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(tab.opener.opened, std::vector<std::string>{c.address}) << c.id;
    }
    EXPECT_EQ(tab.page->Link(IDC_ABOUT_INFO), nullptr);
    EXPECT_TRUE(tab.prompt.messages.empty());
}

TEST_F(AboutTab, InfoButtonIsANavyImageButtonWithTheInfoIconOnTheRight) {
    const OpenedAboutTab tab(Host());
    const CButtonST& info = tab.page->InfoButton();
    ASSERT_EQ(info.Handle(), tab.page->Item(IDC_ABOUT_INFO));
    EXPECT_EQ(StyleOf(info.Handle()) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_FALSE(info.IsFlat());
    EXPECT_EQ(info.Align(), 2);
    EXPECT_NE(info.InImage().Icon(), nullptr);
    EXPECT_EQ(info.TooltipText(), "View Program Info");
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF slots[kButtonColorCount] = {
        OffsetColorValue(face, 30), 0x000080, face, 0x800000, face, 0x800000,
    };
    for (int slot = 0; slot < kButtonColorCount; ++slot) {
        EXPECT_EQ(info.GetColor(slot), slots[slot]) << "colour slot " << slot;
    }
}

TEST_F(AboutTab, BannerShowsAHandWhileThePointerIsOverIt) {
    const std::string folder = OwnFolder();
    enum class Hand { kEither, kViewers, kProgramsOwn };
    const struct {
        const char* what;
        std::string helpViewer;
        Hand hand;
    } cases[] = {
        {"the system's help viewer, if it has a hand", "", Hand::kEither},
        {"a help viewer with the hand", folder + "help_viewer_double.dll", Hand::kViewers},
        {"no help viewer", "C:\\nowhere\\winhlp32.exe", Hand::kProgramsOwn},
        {"a help viewer without the hand", folder + "tarvik_win32_tests.exe", Hand::kProgramsOwn},
    };
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    for (const auto& c : cases) {
        const OpenedAboutTab tab(Host(), c.helpViewer);
        if (c.hand != Hand::kEither) {
            EXPECT_EQ(tab.page->HandCursor() != nullptr, c.hand == Hand::kViewers) << c.what;
        }
        const HCURSOR hand = tab.page->HandCursor() ? tab.page->HandCursor() : ProgramHand();
        ASSERT_NE(hand, nullptr) << c.what;
        EXPECT_NE(hand, arrow) << c.what;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(hand, &info)) << c.what << ": outlives the viewer's file";
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);

        const HWND banner = tab.page->Item(IDC_ABOUT_BANNER);
        PointAt(banner);
        SetCursor(arrow);
        EXPECT_EQ(SendMessageA(tab.Page(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE)
            << c.what;
        EXPECT_EQ(GetCursor(), hand) << c.what;

        // Elsewhere on the page the dialog's own arrow comes back.
        PointAt(ChildWithText(tab.Page(), "Homepage;"));
        SendMessageA(tab.Page(), WM_SETCURSOR, reinterpret_cast<WPARAM>(tab.Page()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), arrow) << c.what;
    }
    SetCursorPos(1200, 1000);
}

TEST_F(AboutTab, BannerClickOpensTheSponsorsSiteOrSaysWhyNot) {
    const struct {
        int shellResult;
        bool told;
    } cases[] = {{42, false}, {31 /* no association */, true}, {0, true}};
    for (const auto& c : cases) {
        OpenedAboutTab tab(Host());
        tab.opener.shellResult = c.shellResult;
        const HWND banner = tab.page->Item(IDC_ABOUT_BANNER);
        // The banner tells the page itself: the click proves it notifies.
        SendMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(banner, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpMessages();
        EXPECT_EQ(tab.opener.opened, std::vector<std::string>{"http://www.tarvik.net/sponsor/"})
            << c.shellResult;
        ASSERT_EQ(tab.prompt.messages.size(), c.told ? 1u : 0u) << c.shellResult;
        if (c.told) {
            EXPECT_EQ(tab.prompt.messages[0].text.rfind("Unable to open hyperlink:", 0), 0u);
            EXPECT_EQ(tab.prompt.messages[0].caption, "Tarvik");
        }
    }
}

TEST_F(AboutTab, TarvikInfoShowsTheProgramBoxOverThePageUntilOk) {
    OpenedAboutTab tab(Host());
    HWND owner = nullptr;
    const ModalWatcher watcher(Host(), "About Tarvik",
                               [&](HWND box) { owner = GetWindow(box, GW_OWNER); });
    tab.Click(IDC_ABOUT_INFO);
    EXPECT_TRUE(watcher.Seen());
    EXPECT_EQ(owner, Host());
    EXPECT_EQ(FindWindowA("#32770", "About Tarvik"), nullptr) << "OK closed it";
}

}  // namespace
}  // namespace tarvik
