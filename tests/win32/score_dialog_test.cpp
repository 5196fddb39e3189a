#include "upload/win32/score_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "results/result_set.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/scripted_game_files.h"
#include "tests/win32/support/page_host.h"
#include "upload/score.h"
#include "upload/win32/http_upload.h"
#include "upload/win32/reply_page.h"

namespace tarvik {
namespace {

// A machine and a network that the test writes: what the dialog did is recorded.
class ScriptedPlatform : public ScoreDialogPlatform {
  public:
    UploadMachine DescribeMachine(const std::string& gameVersionField) override {
        UploadMachine machine;
        machine.gameVersionField = gameVersionField;
        machine.processorName = "Test CPU";
        machine.totalMemoryBytes = 536281088;
        machine.osName = "Windows XP";
        return machine;
    }
    const char* ServerSetting() override { return serverSetting; }
    UploadExchange Post(const ResultsServer& server, const std::string& body) override {
        posts.push_back({server, body});
        return exchange;
    }
    std::optional<std::string> SaveReply(const std::string& reply) override {
        savedReplies.push_back(reply);
        return savePath;
    }
    void OpenPage(const std::string& path) override { openedPages.push_back(path); }

    const char* serverSetting = nullptr;
    UploadExchange exchange{true, "<html>Your Tarvik score</html>", ""};
    std::optional<std::string> savePath = std::string("C:\\cache\\upld.html");

    std::vector<std::pair<ResultsServer, std::string>> posts;
    std::vector<std::string> savedReplies;
    std::vector<std::string> openedPages;
};

// The CSV folder after the four runs: one older file, then the runs' own.
std::map<std::string, std::uint32_t> FolderAfterTheRuns() {
    return {{"UT2003-old.csv", 1},
            {"UT2003-run1.csv", 11},
            {"UT2003-run2.csv", 12},
            {"UT2003-run3.csv", 13},
            {"UT2003-run4.csv", 14}};
}

MapResult Record(double low, double avg, double high, int points) {
    MapResult record;
    record.lowFps = low;
    record.avgFps = avg;
    record.highFps = high;
    record.perSecondCount = points;
    record.cpuMhz = 2000;
    record.header4 = "Test Card";
    return record;
}

struct ScoreDialogFixture : ::testing::Test {
    ScoreDialogFixture() {
        state.gameFolder = "C:\\UT2003";
        state.gameVersionField = "ver=2225";
        state.standardRun.scorePending = true;
        state.standardRun.previousNewestCsv = "UT2003-old.csv";
        state.standardRun.runCsvCrc = {11, 12, 13, 14};
        state.results = RunResults();
    }

    // Score 100.009999: botmatch 40.004999 + flyby 60.005; 301 points.
    static ResultSet RunResults() {
        ResultSet results;
        results.Add(Record(10, 40.004999, 80, 70));
        results.Add(Record(20, 40.004999, 100, 71));
        results.Add(Record(25, 60.005, 125, 80));
        results.Add(Record(40, 60.005, 160, 80));
        return results;
    }

    // The game's files as the test scripted them: readable files with their checksums, then
    // files that cannot be read.
    GameFiles& Files() {
        files.csvNames.clear();
        files.checksums.clear();
        for (const auto& [name, crc] : csvCrcs) {
            files.csvNames.push_back(name);
            files.checksums[CsvFilePath(state.gameFolder, name)] = crc;
        }
        for (const std::string& name : unreadableCsvs) {
            files.csvNames.push_back(name);
        }
        return files;
    }

    std::string ItemText(HWND dialog, int id) {
        char text[256] = "";
        GetDlgItemTextA(dialog, id, text, sizeof(text));
        return text;
    }

    AppState state;
    NoPages pages;
    RecordingPrompt prompt;
    PageContext context{state, pages, prompt};
    ScriptedPlatform platform;
    std::map<std::string, std::uint32_t> csvCrcs = FolderAfterTheRuns();
    std::vector<std::string> unreadableCsvs;
    ScriptedGameFiles files;
};

// The dialog as the program opens it, but modeless so the test can drive it.
struct OpenedScoreDialog {
    OpenedScoreDialog(const PageContext& context, ScoreDialogPlatform& platform, GameFiles& files)
        : dialog(context, platform, files), hwnd(dialog.Create(nullptr)) {}
    ~OpenedScoreDialog() {
        if (IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
    }
    void Click(int id) { SendMessageA(GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }

    Cuploaddlg dialog;
    HWND hwnd;
};

TEST_F(ScoreDialogFixture, EachFailedCheckShowsItsMessageAndCloses) {
    const struct {
        const char* what;
        void (*spoil)(ScoreDialogFixture&);
        int check;
    } cases[] = {
        {"three files",
         [](ScoreDialogFixture& f) {
             f.csvCrcs.erase("UT2003-old.csv");
             f.csvCrcs.erase("UT2003-run4.csv");
         },
         1},
        {"an older file sorting after the new ones",
         [](ScoreDialogFixture& f) { f.csvCrcs["UT2003-zz-old.csv"] = 5; }, 2},
        {"302 points",
         [](ScoreDialogFixture& f) {
             f.state.results.ResetCount();
             f.state.results.Add(Record(10, 40, 80, 71));
             f.state.results.Add(Record(20, 40, 100, 71));
             f.state.results.Add(Record(25, 60, 125, 80));
             f.state.results.Add(Record(40, 60, 160, 80));
         },
         3},
        {"two records loaded",
         [](ScoreDialogFixture& f) {
             f.state.results.ResetCount();
             f.state.results.Add(Record(10, 40, 80, 150));
             f.state.results.Add(Record(20, 40, 100, 151));
         },
         3},
        {"an edited file", [](ScoreDialogFixture& f) { f.csvCrcs["UT2003-run3.csv"] = 7; }, 4},
        {"an unreadable file",
         [](ScoreDialogFixture& f) {
             f.csvCrcs.erase("UT2003-run2.csv");
             f.unreadableCsvs.push_back("UT2003-run2.csv");
         },
         4},
    };
    for (const auto& c : cases) {
        ScoreDialogFixture& f = *this;
        f.state.results = RunResults();
        f.csvCrcs = FolderAfterTheRuns();
        f.unreadableCsvs.clear();
        f.state.standardRun.scorePending = true;
        f.prompt.messages.clear();
        c.spoil(f);

        Cuploaddlg dialog(context, platform, Files());
        // The check fails while the dialog opens, so the modal loop ends at once.
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL) << c.what;
        EXPECT_EQ(dialog.FailedCheck(), c.check) << c.what;
        EXPECT_TRUE(dialog.Ended()) << c.what;
        EXPECT_FALSE(state.standardRun.scorePending) << c.what;
        ASSERT_EQ(prompt.messages.size(), 1u) << c.what;
        EXPECT_EQ(prompt.messages[0].text, InvalidResultsMessage(c.check)) << c.what;
        EXPECT_EQ(prompt.messages[0].caption, "!") << c.what;
        EXPECT_TRUE(platform.posts.empty()) << c.what;
    }
}

TEST_F(ScoreDialogFixture, ShowsTheScoreCutToTwoDecimalsInTheLargeRedFont) {
    OpenedScoreDialog opened(context, platform, Files());
    ASSERT_NE(opened.hwnd, nullptr);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(opened.dialog.Ended());
    EXPECT_TRUE(state.standardRun.scorePending);  // only the user's choice clears it
    EXPECT_EQ(ItemText(opened.hwnd, IDC_SCORE_HEADING), "Tarvik Score");
    EXPECT_EQ(ItemText(opened.hwnd, IDC_SCORE_TEXT), "100.00");

    char title[64] = "";
    GetWindowTextA(opened.hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "Tarvik Score");

    for (const int id : {IDC_SCORE_HEADING, IDC_SCORE_TEXT}) {
        const auto font =
            reinterpret_cast<HFONT>(SendDlgItemMessageA(opened.hwnd, id, WM_GETFONT, 0, 0));
        LOGFONTA logFont{};
        ASSERT_NE(GetObjectA(font, sizeof(logFont), &logFont), 0);
        EXPECT_STREQ(logFont.lfFaceName, "Ariel");
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(logFont.lfHeight, -MulDiv(16, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);

        HDC dc = GetDC(opened.hwnd);
        const HWND control = GetDlgItem(opened.hwnd, id);
        const LRESULT brush =
            SendMessageA(opened.hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control));
        EXPECT_NE(brush, 0);
        EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
        ReleaseDC(opened.hwnd, dc);
    }
}

TEST_F(ScoreDialogFixture, ButtonsAreConfiguredImageButtons) {
    OpenedScoreDialog opened(context, platform, Files());
    char text[64] = "";
    GetDlgItemTextA(opened.hwnd, IDOK, text, sizeof(text));
    EXPECT_STREQ(text, "Online Results");
    GetDlgItemTextA(opened.hwnd, IDCANCEL, text, sizeof(text));
    EXPECT_STREQ(text, "View Locally");
    for (const int id : {IDOK, IDCANCEL}) {
        const LONG style = GetWindowLongA(GetDlgItem(opened.hwnd, id), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << id;
    }
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(opened.hwnd, IDC_HIDDEN_FILE_LIST)));
}

TEST_F(ScoreDialogFixture, ViewLocallyAndTheCloseBoxClearThePendingScoreAndClose) {
    for (const bool closeBox : {false, true}) {
        state.standardRun.scorePending = true;
        OpenedScoreDialog opened(context, platform, Files());
        if (closeBox) {
            // The dialog manager posts the close box's IDCANCEL.
            SendMessageA(opened.hwnd, WM_CLOSE, 0, 0);
            PumpMessages();
        } else {
            opened.Click(IDCANCEL);
        }
        EXPECT_TRUE(opened.dialog.Ended()) << closeBox;
        EXPECT_FALSE(state.standardRun.scorePending) << closeBox;
        EXPECT_TRUE(platform.posts.empty()) << closeBox;
    }
}

TEST_F(ScoreDialogFixture, OnlineResultsPostsSavesTheReplyAndOpensItAndStaysOpen) {
    OpenedScoreDialog opened(context, platform, Files());
    opened.Click(IDOK);
    EXPECT_FALSE(state.standardRun.scorePending);
    EXPECT_FALSE(opened.dialog.Ended());
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_EQ(platform.posts.size(), 1u);
    EXPECT_EQ(platform.posts[0].first.host, "results.tarvik.net");
    EXPECT_EQ(platform.posts[0].first.port, 80);
    const std::string& body = platform.posts[0].second;
    EXPECT_EQ(body.rfind("ver=2225&cpu=Test CPU&mhz=2000&mem=512&os=Windows XP&vid=Test Card&"
                         "score=100.009999&botmatch=40.004999&flyby=60.005000&",
                         0),
              0u)
        << body;
    EXPECT_EQ(platform.savedReplies, std::vector<std::string>{"<html>Your Tarvik score</html>"});
    EXPECT_EQ(platform.openedPages, std::vector<std::string>{"C:\\cache\\upld.html"});
}

TEST_F(ScoreDialogFixture, UploadFailureIsToldAndTheDialogStaysOpen) {
    platform.serverSetting = "127.0.0.1:8080";
    platform.exchange = {false, "",
                         "could not connect: Cannot connect to the server (error 12029)"};
    OpenedScoreDialog opened(context, platform, Files());
    opened.Click(IDOK);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "The upload to 127.0.0.1:8080 failed: could not connect: Cannot connect to the "
              "server (error 12029).");
    EXPECT_EQ(prompt.messages[0].caption, "!");
    EXPECT_FALSE(opened.dialog.Ended());
    EXPECT_TRUE(IsWindow(opened.hwnd));
    EXPECT_TRUE(platform.savedReplies.empty());
    EXPECT_TRUE(platform.openedPages.empty());
}

TEST_F(ScoreDialogFixture, ReplyThatCannotBeSavedIsToldAndNothingOpens) {
    platform.savePath = std::nullopt;
    OpenedScoreDialog opened(context, platform, Files());
    opened.Click(IDOK);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Can't create upload file!");
    EXPECT_EQ(prompt.messages[0].caption, "!");
    EXPECT_TRUE(platform.openedPages.empty());
}

TEST_F(ScoreDialogFixture, BadServerSettingIsToldAndTheDefaultUsed) {
    platform.serverSetting = "localhost:0";
    OpenedScoreDialog opened(context, platform, Files());
    opened.Click(IDOK);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].text.find("localhost:0"), std::string::npos);
    ASSERT_EQ(platform.posts.size(), 1u);
    EXPECT_EQ(platform.posts[0].first.host, "results.tarvik.net");
}

std::string TempFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH] = "";
    GetTempFileNameA(temp, "tvu", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    return name;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(UploadReplyPage, ReplacesAnEarlierPageAndFallsBackWhenThePlaceCannotBeWritten) {
    const std::string folder = TempFolder();
    const std::string missing = folder + "\\no such folder\\upld.html";
    const std::string fallback = folder + "\\upld.html";
    std::ofstream(fallback, std::ios::binary) << "an older and much longer reply page";

    const std::string reply("<html>\r\nYour Tarvik score\0bytes</html>", 38);
    EXPECT_EQ(SaveReplyPage(reply, {missing, fallback}), fallback);
    EXPECT_EQ(FileText(fallback), reply);

    EXPECT_EQ(SaveReplyPage(reply, {missing}), std::nullopt);
    DeleteFileA(fallback.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(UploadReplyPage, CandidatesEndInUpldHtml) {
    const std::vector<std::string> candidates = ReplyPageCandidates();
    ASSERT_FALSE(candidates.empty());
    for (const std::string& path : candidates) {
        EXPECT_EQ(path.substr(path.size() - 10), "\\upld.html") << path;
    }
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_EQ(candidates.back(), std::string(windows) + "\\Temp\\upld.html");
}

TEST(UploadHttp, RefusedConnectionIsReportedWithAReason) {
    // Port 9 on this machine's loopback: nothing listens there.
    const UploadExchange exchange = PostUploadForm(ResultsServer{"127.0.0.1", 9}, "a=b");
    EXPECT_FALSE(exchange.ok);
    EXPECT_FALSE(exchange.failure.empty());
    EXPECT_NE(exchange.failure.find("error 120"), std::string::npos) << exchange.failure;
}

// Posts to a real results server when TARVIK_RESULTS_SERVER names one (tests/upload/
// post_to_server.sh starts it); the script then compares the stored row with the body printed.
TEST(UploadLive, PostsAKnownBodyToTheResultsServer) {
    const char* setting = std::getenv(kResultsServerVariable);
    if (!setting || !*setting) {
        GTEST_SKIP() << "TARVIK_RESULTS_SERVER is not set";
    }
    const ResultsServerSetting server = ResultsServerFromSetting(setting);
    ASSERT_TRUE(server.problem.empty()) << server.problem;

    std::vector<MapResult> records = {Record(10, 40, 80, 70), Record(20, 60, 100, 71),
                                      Record(25, 50, 125, 80), Record(40, 100, 160, 80)};
    records[0].header4 = "NVIDIA GeForce4 Ti 4200 & friends";
    UploadMachine machine;
    machine.gameVersionField = "ver=2225";
    machine.processorName = "AMD Athlon(tm) XP 2400+";
    machine.totalMemoryBytes = 536281088;
    machine.osName = "Windows XP";
    const std::string body = UploadFormBody(machine, records);
    std::cout << "upload-live body: " << body << std::endl;

    const UploadExchange exchange = PostUploadForm(server.server, body);
    ASSERT_TRUE(exchange.ok) << exchange.failure;
    EXPECT_NE(exchange.reply.find("Your Tarvik score"), std::string::npos) << exchange.reply;

    const std::string folder = TempFolder();
    const std::string page = folder + "\\upld.html";
    ASSERT_EQ(SaveReplyPage(exchange.reply, {page}), page);
    EXPECT_EQ(FileText(page), exchange.reply);
    DeleteFileA(page.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace tarvik
