// Start-up of tarvik.exe as a user meets it: the splash, the main window with its tab set and
// buttons, the refusals, and the help file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "res/resource_ids.h"
#include "tests/e2e/harness/harness.h"

namespace tarvik::e2e {
namespace {

using std::chrono::steady_clock;

constexpr Milliseconds kEndTimeout{10000};

const char* const kNoGameText = "Failed to find directory for FULL Version or DEMO of UT2K3!";
const char* const kAlreadyRunningText =
    "This program is already running, please close the other copy and try again.";

// The shell's "open" of a help file is recorded here instead of starting a help viewer, which
// would hold the file and outlive the test.
const char* const kHelpOpenRecord = "C:\\help-opened.txt";

bool IsSplash(const WindowInfo& window) {
    return window.className == "#32770" && !IsMainWindow(window) && !IsMessageBox(window.hwnd) &&
           (window.style & WS_POPUP) && (window.style & WS_CAPTION) == 0 &&
           (window.style & WS_THICKFRAME) == 0;
}

::testing::AssertionResult RecordHelpOpens() {
    DeleteFileA(kHelpOpenRecord);
    const LONG error =
        SetOpenCommand(".chm", std::string("C:\\windows\\system32\\cmd.exe /c echo \"%1\">>\"") +
                                   kHelpOpenRecord + "\"");
    if (error != ERROR_SUCCESS) {
        return ::testing::AssertionFailure()
               << "could not register the stand-in help viewer: " << ErrorText(error);
    }
    return ::testing::AssertionSuccess();
}

// The files the shell was asked to open, one per line, without quotes.
std::vector<std::string> OpenedHelpFiles() {
    std::vector<std::string> files;
    const std::string record = ReadWholeFile(kHelpOpenRecord);
    size_t start = 0;
    while (start < record.size()) {
        size_t end = record.find('\n', start);
        if (end == std::string::npos) {
            end = record.size();
        }
        std::string line = record.substr(start, end - start);
        line.erase(
            std::remove_if(line.begin(), line.end(), [](char c) { return c == '"' || c == '\r'; }),
            line.end());
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        if (!line.empty()) {
            files.push_back(line);
        }
        start = end + 1;
    }
    return files;
}

bool SamePath(const std::string& a, const std::string& b) {
    return _stricmp(a.c_str(), b.c_str()) == 0;
}

::testing::AssertionResult PressHelpAndWaitForOpen(HWND mainWindow, const std::string& helpFile,
                                                   size_t opensBefore) {
    auto clicked = ClickButton(mainWindow, IDC_HELP_BUTTON);
    if (!clicked) {
        return clicked;
    }
    if (!WaitUntil([&] { return OpenedHelpFiles().size() > opensBefore; })) {
        return ::testing::AssertionFailure()
               << "expected the help button to open " << helpFile
               << " with the shell's \"open\" verb within " << SecondsText(kDefaultTimeout)
               << "; the file is " << (FileExists(helpFile) ? "there" : "not there")
               << ", the shell opened: " << QuotedList(OpenedHelpFiles());
    }
    const std::string opened = OpenedHelpFiles().back();
    if (!SamePath(opened, helpFile)) {
        return ::testing::AssertionFailure()
               << "expected the shell to open " << helpFile << ", but it opened " << opened;
    }
    if (!FileExists(helpFile)) {
        return ::testing::AssertionFailure()
               << "the shell was asked to open " << helpFile << ", but the file is not there";
    }
    return ::testing::AssertionSuccess();
}

// --- A game is registered: splash, then the main window ---------------------------------------

struct InstalledCase {
    const char* name;
    Installed editions;
    const char* expectedGameFolder;  // where the help file must land
    const char* otherFolder;         // an installed folder that must stay untouched, or nullptr
};

void PrintTo(const InstalledCase& installed, std::ostream* out) {
    *out << installed.name;
}

const InstalledCase kInstalledCases[] = {
    {"full", Installed::Full, kFullGameFolder, nullptr},
    {"demo", Installed::Demo, kDemoGameFolder, nullptr},
    // The full game wins when both are registered.
    {"both", Installed::Both, kFullGameFolder, kDemoGameFolder},
};

class StartupWithGame : public ::testing::TestWithParam<InstalledCase> {
  protected:
    GameFixture game_;
    TarvikProcess tarvik_;
};

TEST_P(StartupWithGame, SplashThenMainWindowWithSixTabsAndExitEndsTheProgram) {
    ASSERT_TRUE(game_.Install(GetParam().editions));
    ASSERT_TRUE(tarvik_.Start());

    HWND splash = nullptr;
    ASSERT_TRUE(WaitForWindow(tarvik_, IsSplash,
                              "the splash window (a borderless popup) before the main window",
                              &splash));
    const auto splashSeen = steady_clock::now();
    EXPECT_EQ(FindMainWindow(tarvik_.Pid()), nullptr)
        << "the main window is already shown beside the splash";
    Settle(splash);
    EXPECT_TRUE(SaveScreenshot(splash, std::string("splash_") + GetParam().name));

    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik_, &main));
    const auto splashShown = steady_clock::now() - splashSeen;
    EXPECT_GE(splashShown, Milliseconds{1500})
        << "the splash should stay for two seconds, but the main window came after "
        << SecondsText(std::chrono::duration_cast<Milliseconds>(splashShown));
    EXPECT_FALSE(IsWindow(splash) && IsWindowVisible(splash))
        << "the splash is still shown beside the main window";

    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "the main window should have no caption or border";
    for (int id : {IDC_EXIT, IDC_MINIMIZE_BUTTON, IDC_CLOSE_BUTTON, IDC_HELP_BUTTON}) {
        EXPECT_TRUE(Control(main, id) && IsWindowVisible(Control(main, id)))
            << "the main window should show the button " << id;
    }

    RemoteTabSet tabs;
    ASSERT_TRUE(RemoteTabSet::Find(main, &tabs));
    const std::vector<std::string> expectedTabs = {"Main",     "Standard", "Custom",
                                                   "Settings", "Results",  "About"};
    EXPECT_EQ(tabs.Names(), expectedTabs) << "tabs seen: " << QuotedList(tabs.Names());
    EXPECT_EQ(tabs.CurrentIndex(), 0) << "the Main page should be shown first";
    HWND page = tabs.CurrentPage();
    EXPECT_TRUE(page && IsWindowVisible(page)) << "the current page should be visible";

    // The tab set sits on the top-left corner of the frame that marks its place.
    HWND frame = Control(main, IDC_TAB_FRAME);
    ASSERT_NE(frame, nullptr) << "the main window has no frame " << IDC_TAB_FRAME;
    RECT frameRect = {}, sheetRect = {};
    GetWindowRect(frame, &frameRect);
    GetWindowRect(tabs.Sheet(), &sheetRect);
    EXPECT_EQ(sheetRect.left, frameRect.left) << "the tab set is not at the frame's left edge";
    EXPECT_EQ(sheetRect.top, frameRect.top) << "the tab set is not at the frame's top edge";

    Settle(main);
    EXPECT_TRUE(SaveScreenshot(main, std::string("startup_") + GetParam().name));

    ASSERT_TRUE(ClickButton(main, IDC_EXIT));
    EXPECT_TRUE(tarvik_.WaitForExitCode(0, kEndTimeout));
}

TEST_P(StartupWithGame, HelpFileIsWrittenIntoTheGameFolderOpenedAndDeletedAtTheEnd) {
    ASSERT_TRUE(game_.Install(GetParam().editions));
    ASSERT_TRUE(RecordHelpOpens());
    ASSERT_TRUE(tarvik_.Start());
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik_, &main));

    const std::string helpFile = JoinPath(GetParam().expectedGameFolder, "tarvikhelp.chm");
    ASSERT_TRUE(PressHelpAndWaitForOpen(main, helpFile, 0));
    // A second press replaces the file written by the first and opens it again.
    ASSERT_TRUE(PressHelpAndWaitForOpen(main, helpFile, 1));
    if (GetParam().otherFolder) {
        EXPECT_FALSE(FileExists(JoinPath(GetParam().otherFolder, "tarvikhelp.chm")))
            << "the help file was also written into " << GetParam().otherFolder;
    }
    EXPECT_TRUE(IsResponsive(main)) << "the main window stopped answering after the help button";

    ASSERT_TRUE(ClickButton(main, IDC_EXIT));
    ASSERT_TRUE(tarvik_.WaitForExitCode(0, kEndTimeout));
    EXPECT_FALSE(FileExists(helpFile)) << helpFile << " is still there after the program ended";
}

INSTANTIATE_TEST_SUITE_P(Editions, StartupWithGame, ::testing::ValuesIn(kInstalledCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The buttons that close the main window ------------------------------------------------------
// (The minimise button is not driven here: without a window manager, Wine restores a minimised
// foreground dialog at once, so the outcome could not be seen.)

struct CloseButtonCase {
    const char* name;
    int id;
};

void PrintTo(const CloseButtonCase& button, std::ostream* out) {
    *out << button.name;
}

const CloseButtonCase kCloseButtonCases[] = {
    {"exit", IDC_EXIT},
    {"close", IDC_CLOSE_BUTTON},
};

class CloseButtons : public ::testing::TestWithParam<CloseButtonCase> {};

TEST_P(CloseButtons, EndTheProgram) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.Start());
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik, &main));

    ASSERT_TRUE(ClickButton(main, GetParam().id));
    EXPECT_TRUE(tarvik.WaitForExitCode(0, kEndTimeout));
}

INSTANTIATE_TEST_SUITE_P(Buttons, CloseButtons, ::testing::ValuesIn(kCloseButtonCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Refusals ----------------------------------------------------------------------------------

TEST(Startup, WithoutAnyGameRegisteredSaysSoAndEnds) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::None));
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.Start());

    ASSERT_TRUE(AnswerMessageBox(tarvik, kNoGameText, "error!", IDOK));
    EXPECT_TRUE(tarvik.WaitForExit(kEndTimeout))
        << "after the error the program should end; it shows: " << DescribeWindows(tarvik.Pid());
}

TEST(Startup, SecondCopyIsRefusedAndLeavesTheFirstUntouched) {
    GameFixture game;
    ASSERT_TRUE(game.Install(Installed::Full));
    TarvikProcess first;
    ASSERT_TRUE(first.Start());
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(first, &main));

    TarvikProcess second;
    ASSERT_TRUE(second.Start());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(second, &box));
    EXPECT_EQ(box.text, kAlreadyRunningText);
    EXPECT_EQ(box.caption, "Tarvik !");
    EXPECT_EQ(FindMainWindow(second.Pid()), nullptr) << "the second copy showed a main window";
    EXPECT_TRUE(SaveScreenshot(box.hwnd, "startup_already_running"));
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    EXPECT_TRUE(second.WaitForExit(kEndTimeout));

    ASSERT_TRUE(first.Running()) << "the first copy ended when the second was refused";
    EXPECT_TRUE(IsWindow(main) && IsWindowVisible(main)) << "the first copy's main window is gone";
    EXPECT_TRUE(IsResponsive(main)) << "the first copy's main window no longer answers";
    RemoteTabSet tabs;
    ASSERT_TRUE(RemoteTabSet::Find(main, &tabs));
    EXPECT_TRUE(tabs.SelectPage(kPageAbout)) << "the first copy's tab set no longer switches pages";

    ASSERT_TRUE(ClickButton(main, IDC_EXIT));
    EXPECT_TRUE(first.WaitForExitCode(0, kEndTimeout));
}

// --- The length of the registered folder ---------------------------------------------------------

struct FolderLengthCase {
    const char* name;
    size_t length;
    bool accepted;
};

// The program holds at most 199 characters of the folder; a longer one must not be cut to a
// different folder without a word.
const FolderLengthCase kFolderLengthCases[] = {
    {"longest_accepted", 199, true},
    {"one_too_long", 200, false},
    {"far_too_long", 300, false},
};

// "C:\Games\" followed by a name that makes the whole path length characters long.
std::string FolderOfLength(size_t length) {
    const std::string parent = "C:\\Games\\";
    std::string folder = parent;
    for (size_t i = 0; folder.size() < length; ++i) {
        folder += static_cast<char>('a' + i % 26);
    }
    return folder;
}

void PrintTo(const FolderLengthCase& folder, std::ostream* out) {
    *out << folder.length << " characters";
}

class FolderLength : public ::testing::TestWithParam<FolderLengthCase> {};

TEST_P(FolderLength, LongestFolderIsUsedWholeAndLongerOnesAreRefused) {
    GameFixture noGame;
    ASSERT_TRUE(noGame.Install(Installed::None));
    const std::string folder = FolderOfLength(GetParam().length);
    ASSERT_EQ(folder.size(), GetParam().length);
    ASSERT_TRUE(CreateFolders(folder) || !GetParam().accepted) << "could not create " << folder;
    ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kFullGameKey, kFolderValue, folder),
              ERROR_SUCCESS);
    ASSERT_TRUE(RecordHelpOpens());
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.Start());

    if (!GetParam().accepted) {
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(tarvik, &box));
        EXPECT_EQ(box.caption, "error!");
        EXPECT_NE(box.text.find("too long"), std::string::npos)
            << "expected a message saying the folder is too long, saw \"" << box.text << "\"";
        ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
        EXPECT_TRUE(tarvik.WaitForExit(kEndTimeout));
        return;
    }
    HWND main = nullptr;
    ASSERT_TRUE(WaitForMainWindow(tarvik, &main));
    // The help file lands in the folder exactly as registered, so nothing was cut.
    EXPECT_TRUE(PressHelpAndWaitForOpen(main, JoinPath(folder, "tarvikhelp.chm"), 0));
    ASSERT_TRUE(ClickButton(main, IDC_EXIT));
    EXPECT_TRUE(tarvik.WaitForExitCode(0, kEndTimeout));
}

INSTANTIATE_TEST_SUITE_P(Lengths, FolderLength, ::testing::ValuesIn(kFolderLengthCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvik::e2e
