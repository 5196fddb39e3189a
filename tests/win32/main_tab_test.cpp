#include "bench/win32/main_tab.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/win32/tab_set.h"
#include "res/resource_ids.h"
#include "sysinfo/system_facts.h"
#include "sysinfo/win32/cpu_info.h"
#include "sysinfo/win32/video_card.h"
#include "sysinfo/win32/windows_facts.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/page_host.h"
#include "widgets/button_colors.h"

namespace tarvik {
namespace {

// A game folder with a System folder and, unless null, a manifest in it.
struct GameFolder : TempGameFolder {
    explicit GameFolder(const char* manifest) : TempGameFolder({GameSubfolder::System}) {
        if (manifest) {
            WriteFile(GameSubfolder::System, "Manifest.ini", manifest);
        }
    }
};

struct OpenedMainTab : OpenedPage<Cmain> {
    OpenedMainTab(HWND host, bool demo, const std::string& gameFolder,
                  std::optional<SystemFacts> facts) {
        state.isDemo = demo;
        state.gameFolder = gameFolder;
        Open(host, [&facts](const PageContext& context) {
            return facts ? std::make_unique<Cmain>(context, [facts] { return *facts; })
                         : std::make_unique<Cmain>(context);
        });
    }
};

class MainTab : public HostWindowSuite {};

TEST_F(MainTab, ShowsTheGameAndTheMachine) {
    struct Case {
        const char* what;
        bool demo;
        const char* manifest;  // nullptr: none
        SystemFacts facts;
        const char* edition;
        const char* version;
        const char* versionField;
        const char* processor;
        const char* memory;
        const char* os;
        const char* video;
        bool videoMessage;
    };
    const Case cases[] = {
        {"full game on an XP machine",
         false,
         "[UT2003]\r\nversion=2225\r\n",
         {"AMD Athlon(tm) XP 2400+", 2000, 1073741824u, {5, 1, 2600}, {true, "RADEON 9700 PRO"}},
         "UT 2003 Full",
         "2225",
         "ver=2225",
         "AMD Athlon(tm) XP 2400+  @ 2000MHz",
         "1025 MB Ram",
         "Windows XP",
         "RADEON 9700 PRO",
         false},
        {"demo, adapter without identifier",
         true,
         "[Setup]\r\nGroup=UT2003Demo\r\n[UT2003]\r\nversion=2206\r\n",
         {"Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache ",
          733,
          267845632u,  // 256 MB less what the system keeps for itself
          {4, 10, 2222},
          {true, std::nullopt}},
         "UT 2003 Demo",
         "2206",
         "ver=2206",
         "Pentium\xAE III (0.18 \xB5m) With 256 KB On-Die L2 Cache   @ 733MHz",
         "256 MB Ram",
         "Windows 98",
         "",
         false},
        {"no manifest, no clock, no Direct3D 8",
         false,
         nullptr,
         {"Unknown 80486 family", -1, 16777216u, {10, 0, 22631}, {false, std::nullopt}},
         "UT 2003 Full",
         "",
         "ver=",
         "Unknown 80486 family  @ -1MHz",
         "17 MB Ram",
         "Windows 11",
         "",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameFolder game(c.manifest);
        const OpenedMainTab tab(Host(), c.demo, game.Path(), c.facts);
        ASSERT_NE(tab.page->Handle(), nullptr);
        EXPECT_EQ(tab.Text(IDC_MAIN_EDITION), c.edition);
        EXPECT_EQ(tab.Text(IDC_MAIN_VERSION), c.version);
        EXPECT_EQ(tab.state.gameVersionField, c.versionField);
        EXPECT_EQ(tab.Text(IDC_MAIN_CPU), c.processor);
        EXPECT_EQ(tab.Text(IDC_MAIN_MEMORY), c.memory);
        EXPECT_EQ(tab.Text(IDC_MAIN_OS), c.os);
        EXPECT_EQ(tab.Text(IDC_MAIN_VIDEO), c.video);
        if (c.videoMessage) {
            ASSERT_EQ(tab.prompt.messages.size(), 1u);
            EXPECT_EQ(tab.prompt.messages[0].text, "Can't get Video Card name");
            EXPECT_EQ(tab.prompt.messages[0].caption, "!");
            EXPECT_EQ(tab.prompt.messages[0].buttons, PromptButtons::Ok);
        } else {
            EXPECT_TRUE(tab.prompt.messages.empty());
        }
    }
}

TEST_F(MainTab, BenchmarkButtonIsAnImageButton) {
    const GameFolder game("[UT2003]\r\nversion=2225\r\n");
    const OpenedMainTab tab(Host(), false, game.Path(), SystemFacts{});
    const CButtonST& button = tab.page->BenchmarkButton();
    HWND window = tab.page->Item(IDC_MAIN_BENCHMARK);
    ASSERT_EQ(button.Handle(), window) << "the dialog's own button is taken over";
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    const ColorValue face = GetSysColor(COLOR_BTNFACE);
    const ColorValue wanted[kButtonColorCount] = {
        OffsetColorValue(face, 30), RGB(128, 0, 0), face, RGB(0, 128, 0), face, RGB(0, 128, 0),
    };
    for (int slot = 0; slot < kButtonColorCount; ++slot) {
        EXPECT_EQ(button.GetColor(slot), wanted[slot]) << "colour slot " << slot;
    }

    HICON benchmark =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_BENCHMARK),
                                      IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(benchmark, nullptr);
    ICONINFO info{};
    GetIconInfo(benchmark, &info);
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    ASSERT_NE(button.InImage().Icon(), nullptr);
    EXPECT_EQ(button.InImage().Size().cx, mask.bmWidth);
    EXPECT_EQ(&button.OutImage(), &button.InImage()) << "one icon for both states";
    DeleteObject(info.hbmMask);
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    DestroyIcon(benchmark);

    char tip[128] = "";
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = tip;
    ASSERT_NE(button.TooltipHandle(), nullptr);
    SendMessageA(button.TooltipHandle(), TTM_GETTEXTA, sizeof(tip),
                 reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip, "Run Standard Benchmark");

    // Not flat: the mouse over it does not light it up.
    RECT place;
    GetWindowRect(window, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    SendMessageA(window, WM_MOUSEMOVE, 0,
                 MAKELPARAM((place.right - place.left) / 2, (place.bottom - place.top) / 2));
    EXPECT_FALSE(button.IsMouseOver());
    SetCursorPos(1200, 1000);
}

TEST_F(MainTab, DescribesThisMachine) {
    const GameFolder game("[UT2003]\r\nversion=2225\r\n");
    const OpenedMainTab tab(Host(), false, game.Path(), std::nullopt);

    const CCpuInfo cpu;
    const std::string processor = tab.Text(IDC_MAIN_CPU);
    const std::string prefix = cpu.GetProcessorName() + "  @ ";
    ASSERT_EQ(processor.rfind(prefix, 0), 0u) << processor;
    const std::string clock = processor.substr(prefix.size());
    ASSERT_GE(clock.size(), 4u);
    EXPECT_EQ(clock.substr(clock.size() - 3), "MHz");
    EXPECT_GT(std::atoi(clock.c_str()), 0) << processor;

    EXPECT_EQ(tab.Text(IDC_MAIN_MEMORY), MemoryLine(MemoryMegabytes(TotalPhysicalMemoryBytes())));
    EXPECT_FALSE(tab.Text(IDC_MAIN_OS).empty());

    // Whether Direct3D 8 works depends on the display; either way the page says so correctly.
    const std::string video = tab.Text(IDC_MAIN_VIDEO);
    const VideoCard card = ReadVideoCard();
    if (card.direct3dAvailable) {
        EXPECT_TRUE(tab.prompt.messages.empty());
        EXPECT_EQ(video, card.description.value_or(""));
    } else {
        ASSERT_EQ(tab.prompt.messages.size(), 1u);
        EXPECT_EQ(tab.prompt.messages[0].text, "Can't get Video Card name");
        EXPECT_EQ(tab.prompt.messages[0].caption, "!");
        EXPECT_EQ(video, "");
    }
}

}  // namespace
}  // namespace tarvik
