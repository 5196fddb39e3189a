#include "results/win32/standard_tab.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/common/recording_launcher.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

constexpr char kGame[] = R"(C:\Games\UT2003)";

struct OpenedStandardTab : OpenedPage<Cstandbench> {
    OpenedStandardTab(HWND host, bool demo, bool onlyCurrent) {
        state.gameFolder = kGame;
        state.isDemo = demo;
        state.onlyCurrentBenchmark = onlyCurrent;
        state.settings.maxResults = 16;
        Open(host, [this](const PageContext& context) {
            return std::make_unique<Cstandbench>(context, launcher);
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

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class StandardTab : public HostWindowSuite {};

TEST_F(StandardTab, FullGameOffersEveryPresetAndTheDemoOnlyEpic) {
    const OpenedStandardTab full(Host(), false, true);
    EXPECT_EQ(full.PresetNames(), (std::vector<std::string>{"Epic Games", "Orlimar"}));
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

}  // namespace
}  // namespace tarvik
