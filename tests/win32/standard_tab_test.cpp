#include "results/win32/standard_tab.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/common/recording_launcher.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

constexpr char kGame[] = R"(C:\Games\UT2003)";

struct OpenedStandardTab : OpenedPage<Cstandbench> {
    // Runs go to the recording launcher unless the test brings its own.
    OpenedStandardTab(HWND host, bool demo, bool onlyCurrent, const std::string& game = kGame,
                      GameLauncher* runs = nullptr) {
        state.gameFolder = game;
        state.isDemo = demo;
        state.onlyCurrentBenchmark = onlyCurrent;
        state.settings.maxResults = 16;
        GameLauncher& launcherUsed = runs != nullptr ? *runs : launcher;
        Open(host, [&launcherUsed](const PageContext& context) {
            return std::make_unique<Cstandbench>(context, launcherUsed);
        });
    }

    HWND PresetSheet() const { return page->PresetTabs().Handle(); }
    std::vector<std::string> PresetNames() const {
        const HWND tabs = PropSheet_GetTabControl(PresetSheet());
        std::vector<std::string> names;
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            char name[64] = "";
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = name;
            item.cchTextMax = sizeof(name);
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
            names.emplace_back(name);
        }
        return names;
    }
    // The preset page at index, made the current one.
    HWND Preset(int index) const {
        PropSheet_SetCurSel(PresetSheet(), nullptr, index);
        PumpMessages();
        return PropSheet_GetCurrentPageHwnd(PresetSheet());
    }
    void Press(HWND preset, int id) const {
        SendMessageA(preset, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(preset, id)));
        PumpMessages();
    }

    RecordingLauncher launcher;
};

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Reads the generated ini at each start of the game, as the game would.
class IniReadingLauncher : public GameLauncher {
  public:
    explicit IniReadingLauncher(std::string iniPath) : iniPath_(std::move(iniPath)) {}
    bool RunAndWait(const std::string& commandLine) override {
        lines.push_back(commandLine);
        iniSeen.push_back(FileText(iniPath_));
        return true;
    }

    std::vector<std::string> lines;
    std::vector<std::string> iniSeen;

  private:
    std::string iniPath_;
};

constexpr char kMaxDetail[] =
    "[WinDrv.WindowsClient]\r\nMinDesiredFrameRate=35.0\r\nTextureMaxLOD=0.0\r\n"
    "TextureMinLOD=0.0\r\n";
constexpr char kMinDetail[] =
    "[WinDrv.WindowsClient]\r\nScreenFlashes=True\r\n[D3DDrv.D3DRenderDevice]\r\n"
    "UseHardwareTL=True\r\n";

// The Zandor page of a full game whose Stuff folder holds the two detail sources.
struct OpenedZandorPage {
    explicit OpenedZandorPage(HWND host)
        : launcher(game.FolderPath(GameSubfolder::Stuff) + "\\OrlimarDetailHigh.ini") {
        maxDetail = game.WriteFile(GameSubfolder::Stuff, "MaxDetail.ini", kMaxDetail);
        minDetail = game.WriteFile(GameSubfolder::Stuff, "MinDetail.ini", kMinDetail);
        tab = std::make_unique<OpenedStandardTab>(host, false, true, game.Path(), &launcher);
        page = tab->Preset(2);
    }
    std::string Generated(const char* name) const {
        return game.FolderPath(GameSubfolder::Stuff) + "\\" + name;
    }

    TempGameFolder game{GameSubfolder::Stuff};
    std::string maxDetail;
    std::string minDetail;
    IniReadingLauncher launcher;
    std::unique_ptr<OpenedStandardTab> tab;
    HWND page = nullptr;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class StandardTab : public HostWindowSuite {};

TEST_F(StandardTab, FullGameOffersEveryPresetAndTheDemoOnlyEpic) {
    const OpenedStandardTab full(Host(), false, true);
    EXPECT_EQ(full.PresetNames(),
              (std::vector<std::string>{"Epic Games", "Orlimar", "Zandor Compatible"}));
    EXPECT_TRUE(full.page->IsItemChecked(IDC_STANDARD_ONLY_CURRENT));

    const OpenedStandardTab demo(Host(), true, false);
    EXPECT_EQ(demo.PresetNames(), std::vector<std::string>{"Epic Games"});
    EXPECT_FALSE(demo.page->IsItemChecked(IDC_STANDARD_ONLY_CURRENT));
}

TEST_F(StandardTab, PresetTabsSitJustAboveAndLeftOfTheirFrame) {
    const OpenedStandardTab tab(Host(), false, true);
    RECT frame{};
    GetWindowRect(tab.page->Item(IDC_STANDARD_FRAME), &frame);
    RECT sheet{};
    GetWindowRect(tab.PresetSheet(), &sheet);
    RECT offset{9, 7, 0, 0};
    MapDialogRect(tab.page->Handle(), &offset);
    EXPECT_EQ(frame.left - sheet.left, offset.left);
    EXPECT_EQ(frame.top - sheet.top, offset.top);
    EXPECT_TRUE(GetWindowLongA(tab.PresetSheet(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongA(tab.PresetSheet(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// What Tab reaches from the option onwards, as the dialog manager walks it, until it comes back.
std::vector<int> TabOrderFrom(HWND host, HWND start) {
    std::vector<int> ids;
    for (HWND at = GetNextDlgTabItem(host, start, FALSE); at && at != start && ids.size() < 40;
         at = GetNextDlgTabItem(host, at, FALSE)) {
        ids.push_back(GetDlgCtrlID(at));
    }
    return ids;
}

TEST_F(StandardTab, TheKeyboardReachesTheControlsOfTheShownPreset) {
    const OpenedStandardTab tab(Host(), false, true);
    const auto reaches = [&](int id) {
        const std::vector<int> order =
            TabOrderFrom(Host(), tab.page->Item(IDC_STANDARD_ONLY_CURRENT));
        return std::find(order.begin(), order.end(), id) != order.end();
    };
    EXPECT_TRUE(reaches(IDC_EPIC_800)) << "the checked radio of the group";
    EXPECT_TRUE(reaches(IDC_EPIC_START));
    tab.Preset(2);
    EXPECT_TRUE(reaches(IDC_ZANDOR_RESOLUTION));
    EXPECT_TRUE(reaches(IDC_ZANDOR_CPU));
    EXPECT_FALSE(reaches(IDC_EPIC_START)) << "a hidden page is not in the way";
}

TEST_F(StandardTab, TheOptionIsStoredAtOnce) {
    const OpenedStandardTab tab(Host(), false, true);
    Button(tab.page->Handle(), IDC_STANDARD_ONLY_CURRENT).Click();
    EXPECT_FALSE(tab.state.onlyCurrentBenchmark);
    Button(tab.page->Handle(), IDC_STANDARD_ONLY_CURRENT).Click();
    EXPECT_TRUE(tab.state.onlyCurrentBenchmark);
}

TEST_F(StandardTab, EpicRunsItsFourLinesAtTheChosenResolutionAndFinishes) {
    const OpenedStandardTab tab(Host(), false, true);
    const HWND epic = tab.Preset(0);
    EXPECT_TRUE(Button(epic, IDC_EPIC_800).IsChecked()) << "800x600 is the default";
    Button(epic, IDC_EPIC_1280).Click();
    tab.Press(epic, IDC_EPIC_START);

    ASSERT_EQ(tab.launcher.lines.size(), 4u);
    for (const std::string& line : tab.launcher.lines) {
        EXPECT_TRUE(EndsWith(line, " -UPT -1280x960")) << line;
    }
    EXPECT_EQ(tab.state.settings.maxResults, 4);
    ASSERT_EQ(tab.prompt.messages.size(), 1u);
    EXPECT_EQ(tab.prompt.messages[0].text, "Finished Benchmarking");
    EXPECT_EQ(tab.prompt.messages[0].caption, "!");
    EXPECT_EQ(tab.pages.asked, std::vector<int>{kPageResults});
}

TEST_F(StandardTab, OrlimarDefaultsAndAChoiceOfModeDetailAndResolution) {
    const OpenedStandardTab tab(Host(), false, false);
    const HWND orlimar = tab.Preset(1);
    const ComboBox detail(orlimar, IDC_ORLIMAR_DETAIL);
    const ComboBox resolution(orlimar, IDC_ORLIMAR_RESOLUTION);
    EXPECT_TRUE(Button(orlimar, IDC_ORLIMAR_FLYBY).IsChecked());
    EXPECT_EQ(detail.Text(detail.Selection()), "High Detail");
    EXPECT_EQ(resolution.Text(resolution.Selection()), "1024x768");
    EXPECT_EQ(detail.Count(), 3);
    EXPECT_EQ(resolution.Text(3), "1280x1024");

    Button(orlimar, IDC_ORLIMAR_BOTMATCH).Click();
    detail.SetSelection(2);
    resolution.SetSelection(3);
    tab.Press(orlimar, IDC_ORLIMAR_BENCHMARK);

    ASSERT_EQ(tab.launcher.lines.size(), 6u);
    EXPECT_NE(tab.launcher.lines[0].find(" ctf-face3?spectatoronly=true?numbots=12"),
              std::string::npos);
    for (const std::string& line : tab.launcher.lines) {
        EXPECT_TRUE(
            EndsWith(line, R"( ini=..\System\UT2003.ini userini=..\System\User.ini -1280x1024)"))
            << line;
    }
    EXPECT_EQ(tab.state.settings.maxResults, 16) << "left alone with the option off";
    EXPECT_EQ(tab.prompt.messages.size(), 1u);
}

TEST_F(StandardTab, ZandorHighRunsWithItsOwnIniWhichIsGoneAfterwards) {
    const OpenedZandorPage zandor(Host());
    const ComboBox resolution(zandor.page, IDC_ZANDOR_RESOLUTION);
    EXPECT_EQ(resolution.Count(), 3);
    EXPECT_EQ(resolution.Text(resolution.Selection()), "1024x768");
    resolution.SetSelection(1);
    zandor.tab->Press(zandor.page, IDC_ZANDOR_HIGH);

    const auto& lines = zandor.launcher.lines;
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_NE(lines[0].find(" dm-antalus?"), std::string::npos) << lines[0];
    EXPECT_NE(lines[6].find(" dm-asbestos?"), std::string::npos) << lines[6];
    for (const std::string& line : lines) {
        EXPECT_TRUE(EndsWith(line, R"( ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini)"
                                   R"( userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)"))
            << line;
    }
    for (const std::string& seen : zandor.launcher.iniSeen) {
        EXPECT_NE(seen.find("TextureMaxLOD=-0.8"), std::string::npos) << seen;
        EXPECT_NE(seen.find("[D3DDrv.D3DRenderDevice]"), std::string::npos) << seen;
    }
    EXPECT_FALSE(std::filesystem::exists(zandor.Generated("OrlimarDetailHigh.ini")));
    EXPECT_EQ(FileText(zandor.maxDetail), kMaxDetail) << "the source stays as it was";
    EXPECT_EQ(zandor.tab->state.settings.maxResults, 7);
    ASSERT_EQ(zandor.tab->prompt.messages.size(), 1u);
    EXPECT_EQ(zandor.tab->prompt.messages[0].text, "Finished Benchmarking");
    EXPECT_EQ(zandor.tab->pages.asked, std::vector<int>{kPageResults});
}

TEST_F(StandardTab, ZandorCpuTestIgnoresTheResolutionChoice) {
    const OpenedZandorPage zandor(Host());
    ComboBox(zandor.page, IDC_ZANDOR_RESOLUTION).SetSelection(2);
    zandor.tab->Press(zandor.page, IDC_ZANDOR_CPU);

    ASSERT_EQ(zandor.launcher.lines.size(), 1u);
    EXPECT_NE(zandor.launcher.lines[0].find(" dm-inferno?"), std::string::npos);
    EXPECT_TRUE(EndsWith(zandor.launcher.lines[0],
                         R"(\OrlimarDetailCpu.ini userini=..\Benchmark\Stuff\MinDetailUser.ini)"
                         R"( -640x480)"))
        << zandor.launcher.lines[0];
    EXPECT_FALSE(std::filesystem::exists(zandor.Generated("OrlimarDetailCpu.ini")));
    EXPECT_EQ(FileText(zandor.minDetail), kMinDetail);
    EXPECT_EQ(zandor.tab->state.settings.maxResults, 1);
}

TEST_F(StandardTab, ZandorWithoutItsSourceSaysSoAndRunsNothing) {
    const OpenedZandorPage zandor(Host());
    std::filesystem::remove(zandor.minDetail);
    zandor.tab->Press(zandor.page, IDC_ZANDOR_LOW);

    EXPECT_TRUE(zandor.launcher.lines.empty());
    ASSERT_EQ(zandor.tab->prompt.messages.size(), 1u);
    EXPECT_EQ(zandor.tab->prompt.messages[0].text, "Can't create custom detail ini");
    EXPECT_EQ(zandor.tab->prompt.messages[0].caption, "!");
    EXPECT_TRUE(zandor.tab->pages.asked.empty());
    EXPECT_EQ(zandor.tab->state.settings.maxResults, 16);
}

}  // namespace
}  // namespace tarvik
