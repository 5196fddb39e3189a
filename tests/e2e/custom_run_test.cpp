// Benchmark scripts as a user runs them from the Custom tab against the simulated game: the lines
// the game is started with, the results they leave, and the scripts the demo refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

constexpr Milliseconds kRunTimeout{90000};

::testing::AssertionResult WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    file.close();
    if (!file) {
        return ::testing::AssertionFailure() << "cannot write " << path;
    }
    return ::testing::AssertionSuccess();
}

std::string FlybyScript(const std::string& userIni, const char* allowDemo) {
    return std::string("[OPTIONS]\r\nflyby=true\r\nnbots=N/A\r\nallowdemo=") + allowDemo +
           "\r\n[INI]\r\nsystemini=..\\benchmark\\stuff\\maxdetail.ini\r\nuserini=" + userIni +
           "\r\n[MAPS]\r\nmap0=DM-Antalus.ut2\r\nsec0=20\r\nmap1=DM-Asbestos.ut2\r\nsec1=30\r\n"
           "nmaps=2\r\n";
}

struct CustomSession : TarvikSession {
    // The Custom tab, made current, with the named script chosen from its list.
    ::testing::AssertionResult ChooseScript(const std::string& name) {
        auto selected = tabs.SelectPage(kPageCustom);
        if (!selected) {
            return selected;
        }
        page = tabs.CurrentPage();
        auto chosen = SelectListLine(page, IDC_CUSTOM_SCRIPTS, name);
        if (!chosen) {
            return chosen;
        }
        if (!WaitUntil([&] { return ControlText(page, IDC_CUSTOM_CHOSEN) == name; })) {
            return ::testing::AssertionFailure() << "choosing \"" << name << "\" shows \""
                                                 << ControlText(page, IDC_CUSTOM_CHOSEN) << "\"";
        }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult ResultsShow(int records) const {
        std::vector<std::string> lines;
        if (WaitUntil([&] {
                lines = tabs.CurrentIndex() == kPageResults
                            ? ListBoxLines(tabs.CurrentPage(), IDC_RESULTS_LIST)
                            : std::vector<std::string>{};
                return std::count(lines.begin(), lines.end(), "**** Map results ****") == records;
            })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "expected the Results tab with " << records
                                             << " records, it lists " << QuotedList(lines);
    }

    HWND page = nullptr;
};

TEST(CustomRun, FlybyScriptWithAUserIniOutsideTheGameFolderRunsEachMapAtTheChosenResolution) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    const std::string outside = "C:\\TarvikSettings";
    ASSERT_TRUE(CreateFolders(outside));
    const std::string userIni = JoinPath(outside, "OutsideUser.ini");
    ASSERT_TRUE(
        WriteFile(userIni, ReadWholeFile(JoinPath(folder, "Benchmark\\Stuff\\MaxDetailUser.ini"))));
    ASSERT_TRUE(
        WriteFile(JoinPath(folder, "Benchmark\\Outside.tvx"), FlybyScript(userIni, "false")));

    CustomSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.ChooseScript("Outside.tvx"));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_1280));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_BENCHMARK));
    ASSERT_TRUE(session.Answer("Finished Benchmarking", "!", kRunTimeout));
    ASSERT_TRUE(session.ResultsShow(2));

    const std::string exe = "\"" + JoinPath(folder, "System\\ut2003.exe") + "\" ";
    const std::string rest =
        " -nosound ini=..\\benchmark\\stuff\\maxdetail.ini userini=" + userIni + " -1280x1024";
    const std::vector<std::string> expected = {
        exe +
            "DM-Antalus.ut2?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
            "-benchmark -seconds=20" +
            rest,
        exe +
            "DM-Asbestos.ut2?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
            "-benchmark -seconds=30" +
            rest};
    EXPECT_EQ(GameCommandLog(folder), expected);

    // Again with only this script's results: two of the four files.
    ASSERT_TRUE(session.ChooseScript("Outside.tvx"));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_ONLY_CURRENT));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_BENCHMARK));
    ASSERT_TRUE(session.Answer("Finished Benchmarking", "!", kRunTimeout));
    EXPECT_TRUE(session.ResultsShow(2));
    EXPECT_EQ(ResultFileNames(folder).size(), 4u);
    EXPECT_TRUE(session.Exit());
}

TEST(CustomRun, ABotmatchScriptMadeInTheEditorRunsItsMapsInOrder) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    const std::string folder = game.GameFolder();
    CustomSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.tabs.SelectPage(kPageCustom));
    ScriptRecipe recipe;
    recipe.systemIni = "MinDetail.ini";
    recipe.userIni = "MinDetailUser.ini";
    recipe.botmatch = true;
    recipe.maps = {{"DM-Inferno.ut2", "25"}, {"CTF-Face3.ut2", "40"}};
    recipe.savePath = JoinPath(folder, "Benchmark\\Bots.tvx");
    ASSERT_TRUE(MakeScriptInEditor(session.tarvik, session.tabs.CurrentPage(), recipe,
                                   [](HWND window, const std::string& what) {
                                       Settle(window);
                                       SaveScreenshot(window, "script_" + what);
                                   }));

    ASSERT_TRUE(session.ChooseScript("Bots.tvx"));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_1280));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_BENCHMARK));
    ASSERT_TRUE(session.Answer("Finished Benchmarking", "!", kRunTimeout));
    EXPECT_TRUE(session.ResultsShow(2));
    const std::string exe = "\"" + JoinPath(folder, "System\\ut2003.exe") + "\" ";
    const std::string rest =
        " -exec=..\\Benchmark\\Stuff\\botmatchexec.txt -nosound "
        "ini=..\\benchmark\\stuff\\mindetail.ini "
        "userini=..\\benchmark\\stuff\\mindetailuser.ini -1280x1024";
    EXPECT_EQ(GameCommandLog(folder),
              (std::vector<std::string>{
                  exe +
                      "DM-Inferno.ut2?spectatoronly=true?numbots=12?quickstart=true?"
                      "attractcam=true -benchmark -seconds=25" +
                      rest,
                  exe +
                      "CTF-Face3.ut2?spectatoronly=true?numbots=12?quickstart=true?"
                      "attractcam=true -benchmark -seconds=40" +
                      rest}));
    EXPECT_TRUE(session.Exit());
}

TEST(CustomRun, TheDemoRefusesAScriptMadeForTheFullGame) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Demo));
    const std::string folder = game.GameFolder();
    ASSERT_TRUE(WriteFile(JoinPath(folder, "Benchmark\\Full.tvx"),
                          FlybyScript("..\\benchmark\\stuff\\maxdetailuser.ini", "false")));

    CustomSession session;
    ASSERT_TRUE(session.Start({{"UT2003SIM_TIME_SCALE", "0"}}));
    ASSERT_TRUE(session.ChooseScript("Full.tvx"));
    ASSERT_TRUE(ClickButton(session.page, IDC_CUSTOM_BENCHMARK));
    ASSERT_TRUE(
        session.Answer("This script cannot be run without the full version of UT 2003", "!"));
    ASSERT_TRUE(session.Answer("Bad INI file!", "!"));
    EXPECT_TRUE(GameCommandLog(folder).empty());
    EXPECT_EQ(session.tabs.CurrentIndex(), kPageCustom);
    EXPECT_TRUE(session.Exit());
}

}  // namespace
}  // namespace tarvik::e2e
