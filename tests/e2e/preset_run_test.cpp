// The preset benchmarks of the Standard tab as a user runs them against the simulated game: the
// lines the game is started with, the ini files it is given, what is left in the game folder and
// what the Results tab shows afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "bench/detail_ini.h"
#include "res/resource_ids.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

constexpr Milliseconds kPresetTimeout{90000};
const char* const kFinished = "Finished Benchmarking";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

struct PresetSession : TarvikSession {
    // The Standard tab, made current, and its nested preset pages.
    ::testing::AssertionResult OpenStandardTab() {
        auto selected = tabs.SelectPage(kPageStandard);
        if (!selected) {
            return selected;
        }
        standard = tabs.CurrentPage();
        return RemoteTabSet::Find(standard, &presets);
    }
    HWND Preset(int index) const {
        return presets.SelectPage(index) ? presets.CurrentPage() : nullptr;
    }
    // Presses a preset's button and answers the closing message.
    ::testing::AssertionResult RunPreset(HWND preset, int button) const {
        auto clicked = ClickButton(preset, button);
        if (!clicked) {
            return clicked;
        }
        return Answer(kFinished, "!", kPresetTimeout);
    }
    // Waits for the Results tab to list this many records.
    ::testing::AssertionResult ResultsShow(int records) const {
        std::vector<std::string> lines;
        const bool shown = WaitUntil([&] {
            if (tabs.CurrentIndex() != kPageResults) {
                return false;
            }
            lines = ListBoxLines(tabs.CurrentPage(), IDC_RESULTS_LIST);
            return std::count(lines.begin(), lines.end(), "**** Map results ****") == records;
        });
        if (shown) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "expected the Results tab with " << records << " records; page "
               << tabs.CurrentIndex() << " is shown, listing " << QuotedList(lines);
    }

    HWND standard = nullptr;
    RemoteTabSet presets;
};

TEST(PresetRun, OrlimarWithTheOptionOffThenEpicShowingOnlyItsOwnFourRecords) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    PresetSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.OpenStandardTab());
    EXPECT_EQ(session.presets.Names(),
              (std::vector<std::string>{"Epic Games", "Orlimar", "Zandor Compatible"}));
    ASSERT_TRUE(IsChecked(session.standard, IDC_STANDARD_ONLY_CURRENT)) << "on at start-up";
    ASSERT_TRUE(ClickButton(session.standard, IDC_STANDARD_ONLY_CURRENT));

    const HWND orlimar = session.Preset(1);
    ASSERT_NE(orlimar, nullptr);
    ASSERT_TRUE(ClickButton(orlimar, IDC_ORLIMAR_BOTMATCH));
    PostMessageA(Control(orlimar, IDC_ORLIMAR_DETAIL), CB_SETCURSEL, 2, 0);
    ASSERT_TRUE(WaitUntil([&] { return ComboBoxSelection(orlimar, IDC_ORLIMAR_DETAIL) == 2; }));
    ASSERT_TRUE(session.RunPreset(orlimar, IDC_ORLIMAR_BENCHMARK));
    ASSERT_TRUE(session.ResultsShow(6)) << "with the option off all six files count";
    const std::vector<std::string> orlimarLines = GameCommandLog(folder);
    ASSERT_EQ(orlimarLines.size(), 6u) << QuotedList(orlimarLines);
    EXPECT_NE(orlimarLines[0].find(" ctf-face3?spectatoronly=true?numbots=12"), std::string::npos);
    for (const std::string& line : orlimarLines) {
        EXPECT_TRUE(EndsWith(line,
                             " ini=..\\System\\UT2003.ini userini=..\\System\\User.ini "
                             "-1024x768"))
            << line;
    }

    ASSERT_TRUE(session.OpenStandardTab());
    ASSERT_TRUE(ClickButton(session.standard, IDC_STANDARD_ONLY_CURRENT));
    const HWND epic = session.Preset(0);
    ASSERT_NE(epic, nullptr);
    ASSERT_TRUE(ClickButton(epic, IDC_EPIC_1280));
    ASSERT_TRUE(session.RunPreset(epic, IDC_EPIC_START));
    EXPECT_TRUE(session.ResultsShow(4)) << "only the Epic runs, older files notwithstanding";
    const std::vector<std::string> lines = GameCommandLog(folder);
    ASSERT_EQ(lines.size(), 10u) << QuotedList(lines);
    for (std::size_t run = 6; run < lines.size(); ++run) {
        EXPECT_TRUE(EndsWith(lines[run], " -UPT -1280x960")) << lines[run];
    }
    EXPECT_EQ(ResultFileNames(folder).size(), 10u);
    Settle(session.main);
    EXPECT_TRUE(SaveScreenshot(session.main, "preset_epic_results"));
    EXPECT_TRUE(session.Exit());
}

// The game's own ini files and the detail sources, read before and compared after.
struct IniBytes {
    explicit IniBytes(const std::string& folder) {
        for (const char* name : kNames) {
            bytes.push_back(ReadWholeFile(JoinPath(folder, name)));
        }
    }
    static constexpr const char* kNames[] = {"Benchmark\\Stuff\\MaxDetail.ini",
                                             "Benchmark\\Stuff\\MinDetail.ini",
                                             "Benchmark\\Stuff\\MaxDetailUser.ini",
                                             "Benchmark\\Stuff\\MinDetailUser.ini",
                                             "System\\UT2003.ini",
                                             "System\\User.ini"};
    std::vector<std::string> bytes;
};

// The copy differs from its source in the variant's keys only, each set as the variant says.
::testing::AssertionResult HoldsExactlyTheKeysOf(DetailVariant variant, const std::string& copy,
                                                 const std::string& source) {
    std::vector<std::string> expected;
    for (const DetailSetting& setting : DetailSettings(variant)) {
        expected.push_back(std::string(setting.key) + "=" + setting.value);
    }
    const std::vector<std::string> copyLines = Lines(copy);
    for (const std::string& line : expected) {
        if (std::find(copyLines.begin(), copyLines.end(), line) == copyLines.end()) {
            return ::testing::AssertionFailure() << "the generated ini lacks \"" << line << "\"";
        }
    }
    for (const std::string& line : Lines(source)) {
        const std::string key = line.substr(0, line.find('=') + 1);
        const bool changed = std::any_of(expected.begin(), expected.end(), [&](const auto& e) {
            return !key.empty() && key.back() == '=' && e.rfind(key, 0) == 0;
        });
        if (!changed && std::find(copyLines.begin(), copyLines.end(), line) == copyLines.end()) {
            return ::testing::AssertionFailure()
                   << "the source's line \"" << line << "\" is missing from the generated ini";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PresetRun, ZandorHighAndCpuRunWithTheirOwnIniAndLeaveTheGameFolderAsItWas) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const std::string copies = JoinPath(folder, "IniCopies");
    const IniBytes before(folder);
    PresetSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}, {"UT2003SIM_INI_COPIES", copies}}));
    ASSERT_TRUE(session.OpenStandardTab());
    const HWND zandor = session.Preset(2);
    ASSERT_NE(zandor, nullptr);
    EXPECT_EQ(ComboBoxLines(zandor, IDC_ZANDOR_RESOLUTION),
              (std::vector<std::string>{"1024x768", "1280x1024", "1600x1200"}));
    PostMessageA(Control(zandor, IDC_ZANDOR_RESOLUTION), CB_SETCURSEL, 1, 0);
    ASSERT_TRUE(WaitUntil([&] { return ComboBoxSelection(zandor, IDC_ZANDOR_RESOLUTION) == 1; }));

    ASSERT_TRUE(session.RunPreset(zandor, IDC_ZANDOR_HIGH));
    EXPECT_TRUE(session.ResultsShow(7));
    std::vector<std::string> lines = GameCommandLog(folder);
    ASSERT_EQ(lines.size(), 7u) << QuotedList(lines);
    EXPECT_NE(lines[0].find(" dm-antalus?"), std::string::npos) << lines[0];
    for (std::size_t run = 0; run < lines.size(); ++run) {
        EXPECT_TRUE(EndsWith(lines[run],
                             " ini=..\\Benchmark\\Stuff\\OrlimarDetailHigh.ini "
                             "userini=..\\Benchmark\\Stuff\\MaxDetailUser.ini -1280x1024"))
            << lines[run];
        const std::string given =
            ReadWholeFile(JoinPath(copies, "run-" + std::to_string(run + 1) + "-system.ini"));
        EXPECT_TRUE(HoldsExactlyTheKeysOf(DetailVariant::High, given, before.bytes[0]))
            << "run " << run + 1;
    }
    EXPECT_FALSE(FileExists(JoinPath(folder, "Benchmark\\Stuff\\OrlimarDetailHigh.ini")));

    ASSERT_TRUE(session.OpenStandardTab());
    const HWND again = session.Preset(2);
    PostMessageA(Control(again, IDC_ZANDOR_RESOLUTION), CB_SETCURSEL, 2, 0);
    ASSERT_TRUE(WaitUntil([&] { return ComboBoxSelection(again, IDC_ZANDOR_RESOLUTION) == 2; }));
    ASSERT_TRUE(session.RunPreset(again, IDC_ZANDOR_CPU));
    EXPECT_TRUE(session.ResultsShow(1));
    lines = GameCommandLog(folder);
    ASSERT_EQ(lines.size(), 8u) << QuotedList(lines);
    EXPECT_NE(lines[7].find(" dm-inferno?"), std::string::npos) << lines[7];
    EXPECT_TRUE(EndsWith(lines[7],
                         "\\OrlimarDetailCpu.ini "
                         "userini=..\\Benchmark\\Stuff\\MinDetailUser.ini -640x480"))
        << "the processor test ignores the resolution choice: " << lines[7];
    EXPECT_TRUE(HoldsExactlyTheKeysOf(
        DetailVariant::Cpu, ReadWholeFile(JoinPath(copies, "run-8-system.ini")), before.bytes[1]));
    EXPECT_FALSE(FileExists(JoinPath(folder, "Benchmark\\Stuff\\OrlimarDetailCpu.ini")));

    const IniBytes after(folder);
    for (std::size_t file = 0; file < before.bytes.size(); ++file) {
        EXPECT_FALSE(before.bytes[file].empty()) << IniBytes::kNames[file];
        EXPECT_TRUE(before.bytes[file] == after.bytes[file])
            << IniBytes::kNames[file] << " was changed";
    }
    EXPECT_TRUE(session.Exit());
}

TEST(PresetRun, TheDemoOffersOnlyTheEpicPage) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Demo));
    PresetSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.OpenStandardTab());
    EXPECT_EQ(session.presets.Names(), std::vector<std::string>{"Epic Games"});
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
