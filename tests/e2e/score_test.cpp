// The end of the standard benchmark as a user meets it: the score dialog over the Results tab,
// its score, and an upload that cannot reach the results server.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "results/csv_parser.h"
#include "tests/e2e/harness/game_traces.h"
#include "tests/e2e/harness/harness.h"
#include "upload/score.h"

namespace tarvik::e2e {
namespace {

constexpr Milliseconds kBenchmarkTimeout{120000};

bool IsScoreDialog(const WindowInfo& window) {
    return window.className == "#32770" && window.title == "Tarvik Score";
}

// The Results page among the sheet's pages. While the score dialog is up the page is still
// becoming the active one, so the sheet does not name it as current yet.
HWND ResultsPage(HWND sheet) {
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgItem(child, IDC_RESULTS_LIST)) {
            return child;
        }
    }
    return nullptr;
}

// The score the four newest result files give, computed by the core as the dialog should.
std::string ExpectedScoreText(const std::string& gameFolder) {
    std::vector<std::string> names = ResultFileNames(gameFolder);
    std::vector<MapResult> records;
    const ResultSettings settings{4, 10, false};
    for (auto name = names.rbegin(); name != names.rend() && records.size() < 4; ++name) {
        auto record = ParseCsv(JoinPath(ResultFolder(gameFolder), *name), settings);
        if (record) {
            records.push_back(*record);
        }
    }
    return records.size() == 4 ? ScoreText(ScoreOf(records).score) : std::string("(no score)");
}

TEST(ScoreDialog, ShowsTheScoreOfTheFourNewFilesAndSaysWhenTheUploadFails) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    TarvikProcess tarvik;
    ProcessOptions options;
    // Nothing listens on the discard port: the upload must fail and say so.
    options.environment = {{"UT2003SIM_TIME_SCALE", "0"}, {"TARVIK_RESULTS_SERVER", "127.0.0.1:9"}};
    ASSERT_TRUE(tarvik.Start(options));
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik, &main));
    RemoteTabSet tabs;
    ASSERT_TRUE(RemoteTabSet::Find(main, &tabs));
    ASSERT_TRUE(ClickButton(tabs.CurrentPage(), IDC_MAIN_BENCHMARK));

    HWND score = nullptr;
    ASSERT_TRUE(
        WaitForWindow(tarvik, IsScoreDialog, "the score dialog", &score, kBenchmarkTimeout));
    EXPECT_EQ(tabs.CurrentIndex(), kPageResults);
    EXPECT_EQ(ControlText(score, IDC_SCORE_TEXT), ExpectedScoreText(game.GameFolder()));

    const std::vector<std::string> lines =
        ListBoxLines(ResultsPage(tabs.Sheet()), IDC_RESULTS_LIST);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "**** Map results ****"), 4)
        << "the Results tab lists: " << QuotedList(lines);
    Settle(score);
    EXPECT_TRUE(SaveScreenshot(score, "score_dialog"));

    ASSERT_TRUE(ClickButton(score, IDC_SCORE_ONLINE_RESULTS));
    MessageBoxInfo failure;
    ASSERT_TRUE(WaitForMessageBox(tarvik, &failure, Milliseconds{60000}));
    EXPECT_EQ(failure.caption, "!");
    EXPECT_EQ(failure.text.rfind("The upload to 127.0.0.1:9 failed", 0), 0u)
        << "the message says: " << failure.text;
    ASSERT_TRUE(PressMessageBoxButton(failure, IDOK));
    EXPECT_TRUE(IsWindow(score) && IsWindowVisible(score))
        << "the score dialog should stay open after a failed upload";

    ASSERT_TRUE(ClickButton(score, IDC_SCORE_VIEW_LOCALLY));
    EXPECT_TRUE(WaitForWindowGone(tarvik, IsScoreDialog, "the score dialog"));
    EXPECT_TRUE(IsResponsive(main));
    ASSERT_TRUE(ClickButton(main, IDOK));
    EXPECT_TRUE(tarvik.WaitForExitCode(0));
}

// The results server started for this test by ctest (see CMakeLists.txt): its port, read from the
// file the start script wrote; empty when there is none.
std::string TestServerAddress() {
    const char* portFile = std::getenv("TARVIK_E2E_SERVER_PORT_FILE");
    if (!portFile || !*portFile) {
        return {};
    }
    std::string windowsPath = std::string("Z:") + portFile;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    std::string port = ReadWholeFile(windowsPath);
    port.erase(std::remove_if(port.begin(), port.end(), [](char c) { return c < '0' || c > '9'; }),
               port.end());
    return port.empty() ? std::string() : "127.0.0.1:" + port;
}

// The shell's "open" of a page is recorded here instead of starting a browser.
const char* const kPageOpenRecord = "C:\\page-opened.txt";

std::string OpenedPage() {
    std::string record = ReadWholeFile(kPageOpenRecord);
    record.erase(std::remove_if(record.begin(), record.end(),
                                [](char c) { return c == '"' || c == '\r' || c == '\n'; }),
                 record.end());
    while (!record.empty() && record.back() == ' ') {
        record.pop_back();
    }
    return record;
}

TEST(ScoreDialog, OnlineResultsPostsTheScoreAndOpensTheServersReply) {
    const std::string server = TestServerAddress();
    if (server.empty()) {
        GTEST_SKIP() << "no results server was started for this test";
    }
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    DeleteFileA(kPageOpenRecord);
    ASSERT_EQ(
        SetOpenCommand(".html", std::string("C:\\windows\\system32\\cmd.exe /c echo \"%1\">>\"") +
                                    kPageOpenRecord + "\""),
        ERROR_SUCCESS);
    TarvikProcess tarvik;
    ProcessOptions options;
    options.environment = {{"UT2003SIM_TIME_SCALE", "0"}, {"TARVIK_RESULTS_SERVER", server}};
    ASSERT_TRUE(tarvik.Start(options));
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik, &main));
    RemoteTabSet tabs;
    ASSERT_TRUE(RemoteTabSet::Find(main, &tabs));
    ASSERT_TRUE(ClickButton(tabs.CurrentPage(), IDC_MAIN_BENCHMARK));

    HWND score = nullptr;
    ASSERT_TRUE(
        WaitForWindow(tarvik, IsScoreDialog, "the score dialog", &score, kBenchmarkTimeout));
    const std::string scoreText = ControlText(score, IDC_SCORE_TEXT);
    ASSERT_TRUE(ClickButton(score, IDC_SCORE_ONLINE_RESULTS));
    ASSERT_TRUE(WaitUntil([] { return !OpenedPage().empty(); }, Milliseconds{60000}))
        << "no page was opened; the program shows: " << DescribeWindows(tarvik.Pid());

    const std::string page = OpenedPage();
    EXPECT_NE(page.find("upld.html"), std::string::npos) << page;
    const std::string reply = ReadWholeFile(page);
    EXPECT_NE(reply.find("Your Tarvik score"), std::string::npos) << reply.substr(0, 400);
    EXPECT_NE(reply.find(scoreText), std::string::npos)
        << "the reply does not show the score " << scoreText;
    EXPECT_TRUE(MessageBoxes(tarvik.Pid()).empty()) << DescribeWindows(tarvik.Pid());
    EXPECT_TRUE(IsWindow(score) && IsWindowVisible(score)) << "the dialog stays open";

    ASSERT_TRUE(ClickButton(score, IDC_SCORE_VIEW_LOCALLY));
    EXPECT_TRUE(WaitForWindowGone(tarvik, IsScoreDialog, "the score dialog"));
    ASSERT_TRUE(ClickButton(main, IDOK));
    EXPECT_TRUE(tarvik.WaitForExitCode(0));
}

}  // namespace
}  // namespace tarvik::e2e
