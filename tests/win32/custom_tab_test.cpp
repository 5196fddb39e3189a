#include "bench/win32/custom_tab.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/win32/controls.h"
#include "res/resource_ids.h"
#include "tests/common/recording_launcher.h"
#include "tests/common/scripted_file_chooser.h"
#include "tests/common/temp_game_folder.h"
#include "tests/win32/support/page_host.h"

namespace tarvik {
namespace {

// Records each opening; `during` runs while the editor would be open.
class RecordingEditor : public ScriptEditorOpener {
  public:
    struct Opening {
        bool editMode;
        std::string path;
    };
    void Open(HWND, bool& editMode, const std::string& scriptPath) override {
        openings.push_back({editMode, scriptPath});
        editMode = false;
        if (during) {
            during();
        }
    }
    std::vector<Opening> openings;
    std::function<void()> during;
};

std::string BotmatchScript(const std::string& userIni, const char* allowDemo = "false") {
    return std::string("[OPTIONS]\r\nflyby=false\r\nnbots=8\r\nallowdemo=") + allowDemo +
           "\r\n[INI]\r\nsystemini=..\\Benchmark\\Stuff\\MaxDetail.ini\r\nuserini=" + userIni +
           "\r\n[MAPS]\r\nmap0=DM-Inferno.ut2\r\nsec0=60\r\nmap1=CTF-Face3.ut2\r\nsec1=116\r\n"
           "nmaps=2\r\n";
}

struct OpenedCustomTab : OpenedPage<Cbench> {
    explicit OpenedCustomTab(HWND host, bool demo = false) {
        game.WriteFile(GameSubfolder::Stuff, "MaxDetail.ini", "[URL]\r\n");
        userIni = elsewhere.WriteFile(GameSubfolder::Stuff, "My User.ini", "[DefaultPlayer]\r\n");
        state.gameFolder = game.Path();
        state.isDemo = demo;
        state.settings.maxResults = 16;
        Open(host, [this](const PageContext& context) {
            return std::make_unique<Cbench>(context, files, launcher, editor);
        });
    }

    std::string ScriptPath(const std::string& name) const {
        return game.Path() + "\\Benchmark\\" + name;
    }
    void WriteScript(const std::string& name, const std::string& text) const {
        std::ofstream(ScriptPath(name), std::ios::binary) << text;
    }
    // Shows the tab again, as a user coming back to it does.
    void Reactivate() const {
        SendMessageA(page->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&kSetActive));
        PumpMessages();
    }
    void Pick(int index) const {
        ListBox(page->Handle(), IDC_CUSTOM_SCRIPTS).SetSelection(index);
        SendMessageA(page->Handle(), WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_SCRIPTS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(page->Item(IDC_CUSTOM_SCRIPTS)));
        PumpMessages();
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : prompt.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    static inline const NMHDR kSetActive{nullptr, 0, static_cast<UINT>(PSN_SETACTIVE)};

    TempGameFolder game{GameSubfolder::Stuff, GameSubfolder::Csvs};
    TempGameFolder elsewhere{GameSubfolder::Stuff};
    std::string userIni;
    ScriptedFileChooser files;
    RecordingLauncher launcher;
    RecordingEditor editor;
};

class CustomTab : public HostWindowSuite {};

TEST_F(CustomTab, ListsTheScriptsSortedAndChoosingOneSetsItsPath) {
    OpenedCustomTab tab(Host());
    EXPECT_TRUE(tab.ListLines(IDC_CUSTOM_SCRIPTS).empty());
    tab.WriteScript("b.tvx", "");
    tab.WriteScript("a.tvx", "");
    tab.WriteScript("notes.txt", "");
    tab.Reactivate();
    ASSERT_EQ(tab.ListLines(IDC_CUSTOM_SCRIPTS), (std::vector<std::string>{"a.tvx", "b.tvx"}));
    EXPECT_TRUE(Button(tab.page->Handle(), IDC_CUSTOM_800).IsChecked()) << "800x600 by default";
    EXPECT_FALSE(tab.page->IsItemChecked(IDC_CUSTOM_ONLY_CURRENT));

    tab.Pick(1);
    EXPECT_EQ(tab.Text(IDC_CUSTOM_CHOSEN), "b.tvx");
    EXPECT_EQ(tab.page->ChosenScriptPath(), tab.ScriptPath("b.tvx"));

    tab.files.answers.push_back(std::string("D:\\Elsewhere\\Mine.tvx"));
    tab.Click(IDC_CUSTOM_BROWSE);
    ASSERT_EQ(tab.files.openQuestions.size(), 1u);
    EXPECT_EQ(tab.files.openQuestions[0].initialName, "*.tvx");
    EXPECT_EQ(tab.files.openQuestions[0].filter,
              std::string("Tarvik Script (*.tvx) \0*.tvx\0\0", 30));
    EXPECT_EQ(tab.Text(IDC_CUSTOM_CHOSEN), "Mine.tvx");
    EXPECT_EQ(tab.page->ChosenScriptPath(), "D:\\Elsewhere\\Mine.tvx");
}

TEST_F(CustomTab, WithoutAScriptRunEditAndDeleteSaySoAndDoNothing) {
    OpenedCustomTab tab(Host());
    for (const int button : {IDC_CUSTOM_BENCHMARK, IDC_CUSTOM_EDIT, IDC_CUSTOM_DELETE}) {
        tab.Click(button);
    }
    EXPECT_EQ(tab.MessageTexts(), std::vector<std::string>(3, "No script selected!"));
    EXPECT_EQ(tab.prompt.messages[0].caption, "!");
    EXPECT_TRUE(tab.launcher.lines.empty());
    EXPECT_TRUE(tab.editor.openings.empty());
}

TEST_F(CustomTab, NewAndEditOpenTheEditorAndTheListIsFilledAfterwards) {
    OpenedCustomTab tab(Host());
    tab.editor.during = [&tab] { tab.WriteScript("made.tvx", ""); };
    tab.Click(IDC_CUSTOM_NEW);
    ASSERT_EQ(tab.editor.openings.size(), 1u);
    EXPECT_FALSE(tab.editor.openings[0].editMode);
    EXPECT_EQ(tab.ListLines(IDC_CUSTOM_SCRIPTS), std::vector<std::string>{"made.tvx"});

    tab.Pick(0);
    tab.Click(IDC_CUSTOM_EDIT);
    ASSERT_EQ(tab.editor.openings.size(), 2u);
    EXPECT_TRUE(tab.editor.openings[1].editMode);
    EXPECT_EQ(tab.editor.openings[1].path, tab.ScriptPath("made.tvx"));
}

TEST_F(CustomTab, DeleteAsksThenDeletesAndForgetsTheChoice) {
    OpenedCustomTab tab(Host());
    tab.WriteScript("old.tvx", "");
    tab.Reactivate();
    tab.Pick(0);
    tab.prompt.answers = {PromptAnswer::No, PromptAnswer::Yes};
    tab.Click(IDC_CUSTOM_DELETE);
    EXPECT_TRUE(std::filesystem::exists(tab.ScriptPath("old.tvx"))) << "No keeps the script";

    tab.Click(IDC_CUSTOM_DELETE);
    EXPECT_FALSE(std::filesystem::exists(tab.ScriptPath("old.tvx")));
    EXPECT_EQ(tab.MessageTexts(), (std::vector<std::string>{
                                      "Are you sure you want to delete selected script?",
                                      "Are you sure you want to delete selected script?", "Done"}));
    EXPECT_EQ(tab.prompt.messages[0].buttons, PromptButtons::YesNo);
    EXPECT_TRUE(tab.ListLines(IDC_CUSTOM_SCRIPTS).empty());
    EXPECT_EQ(tab.Text(IDC_CUSTOM_CHOSEN), "");
    EXPECT_EQ(tab.page->ChosenScriptPath(), "");

    tab.Click(IDC_CUSTOM_BENCHMARK);
    EXPECT_EQ(tab.MessageTexts().back(), "No script selected!");
}

TEST_F(CustomTab, AScriptThatCannotBeDeletedIsReportedAndKeptChosen) {
    OpenedCustomTab tab(Host());
    tab.files.answers.push_back(tab.ScriptPath("gone.tvx"));
    tab.Click(IDC_CUSTOM_BROWSE);
    tab.Click(IDC_CUSTOM_DELETE);
    ASSERT_EQ(tab.prompt.messages.size(), 2u);
    EXPECT_EQ(tab.prompt.messages[1].text, "Can't delete " + tab.ScriptPath("gone.tvx"));
    EXPECT_EQ(tab.Text(IDC_CUSTOM_CHOSEN), "gone.tvx");
}

TEST_F(CustomTab, RunsOneLinePerMapWithTheIniPathsAsTheGameResolvesThem) {
    OpenedCustomTab tab(Host());
    tab.WriteScript("bots.tvx", BotmatchScript(tab.userIni));
    tab.Reactivate();
    tab.Pick(0);
    Button(tab.page->Handle(), IDC_CUSTOM_1280).Click();
    Button(tab.page->Handle(), IDC_CUSTOM_ONLY_CURRENT).Click();
    EXPECT_TRUE(tab.state.customOnlyCurrent);
    EXPECT_TRUE(tab.state.onlyCurrentBenchmark) << "the Standard tab's option is its own";
    tab.Click(IDC_CUSTOM_BENCHMARK);

    const std::string exe = "\"" + tab.game.Path() + "\\System\\ut2003.exe\" ";
    const std::string rest =
        " -exec=..\\Benchmark\\Stuff\\botmatchexec.txt -nosound "
        "ini=..\\benchmark\\stuff\\maxdetail.ini userini=" +
        tab.userIni + " -1280x1024";
    EXPECT_EQ(
        tab.launcher.lines,
        (std::vector<std::string>{exe +
                                      "DM-Inferno.ut2?spectatoronly=true?numbots=8?quickstart=true?"
                                      "attractcam=true -benchmark -seconds=60" +
                                      rest,
                                  exe +
                                      "CTF-Face3.ut2?spectatoronly=true?numbots=8?quickstart=true?"
                                      "attractcam=true -benchmark -seconds=116" +
                                      rest}));
    EXPECT_EQ(tab.MessageTexts(), std::vector<std::string>{"Finished Benchmarking"});
    EXPECT_EQ(tab.state.settings.maxResults, 2);
    EXPECT_EQ(tab.pages.asked, std::vector<int>{kPageResults});
}

TEST_F(CustomTab, RefusedScriptsRunNothing) {
    const struct {
        const char* name;
        bool demo;
        std::string (*script)(const std::string& userIni);
        std::vector<std::string> messages;
    } cases[] = {
        {"demo refusal",
         true,
         [](const std::string& user) { return BotmatchScript(user); },
         {"This script cannot be run without the full version of UT 2003", "Bad INI file!"}},
        {"system ini missing",
         false,
         [](const std::string& user) {
             std::string text = BotmatchScript(user);
             return text.replace(text.find("MaxDetail"), 3, "Min");
         },
         {"Can't open system ini file specified"}},
        {"user ini missing",
         false,
         [](const std::string&) { return BotmatchScript("D:\\nowhere\\User.ini"); },
         {"Can't open user ini file specified"}},
    };
    for (const auto& c : cases) {
        OpenedCustomTab tab(Host(), c.demo);
        tab.WriteScript("s.tvx", c.script(tab.userIni));
        tab.Reactivate();
        tab.Pick(0);
        tab.Click(IDC_CUSTOM_BENCHMARK);
        EXPECT_EQ(tab.MessageTexts(), c.messages) << c.name;
        EXPECT_TRUE(tab.launcher.lines.empty()) << c.name;
        EXPECT_TRUE(tab.pages.asked.empty()) << c.name;
    }
}

TEST_F(CustomTab, AScriptWithoutMapsStillFinishesAndTheOptionOffKeepsTheLimit) {
    OpenedCustomTab tab(Host(), true);
    std::string script = BotmatchScript(tab.userIni, "true");
    script.replace(script.find("nmaps=2"), 7, "nmaps=0");
    tab.WriteScript("empty.tvx", script);
    tab.Reactivate();
    tab.Pick(0);
    tab.Click(IDC_CUSTOM_BENCHMARK);
    EXPECT_TRUE(tab.launcher.lines.empty());
    EXPECT_EQ(tab.MessageTexts(), std::vector<std::string>{"Finished Benchmarking"});
    EXPECT_EQ(tab.state.settings.maxResults, 16);
    EXPECT_EQ(tab.pages.asked, std::vector<int>{kPageResults});
}

}  // namespace
}  // namespace tarvik
