#include "scripts/win32/script_editor.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "scripts/script_format.h"
#include "tests/win32/support/script_editor_host.h"

namespace tarvik {
namespace {

using Lines = std::vector<std::string>;
using Maps = std::vector<ScriptMap>;

Trackbar Slider(const OpenedEditor& editor) {
    return Trackbar(editor.hwnd, IDC_EDITOR_BOTS);
}

class ScriptEditor : public ScriptEditorSuite {
  protected:
    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // The value of "key=" in the file's text, up to its line end.
    static std::string LineValue(const std::string& text, const std::string& key) {
        const std::size_t start = text.find("\n" + key + "=");
        if (start == std::string::npos) {
            return "<none>";
        }
        const std::size_t value = start + key.size() + 2;
        return text.substr(value, text.find_first_of("\r\n", value) - value);
    }
    void ChooseBothIniFiles(const OpenedEditor& editor) {
        editor.Select(IDC_EDITOR_SYSTEM_LIST, "MaxSystem.ini");
        editor.Select(IDC_EDITOR_USER_LIST, "Player.ini");
    }
    void Add(const OpenedEditor& editor, const std::string& map) {
        editor.Select(IDC_EDITOR_AVAILABLE, map);
        editor.Click(IDC_EDITOR_ADD);
    }
};

TEST_F(ScriptEditor, EveryNewScriptStartsEmpty) {
    for (int opening = 0; opening < 2; ++opening) {
        auto editor = Open();
        ASSERT_NE(editor->hwnd, nullptr);
        EXPECT_EQ(Control(editor->hwnd).Text(), "Create/Edit  Benchmark Script");
        EXPECT_EQ(editor->Lines(IDC_EDITOR_SYSTEM_LIST), (Lines{"Fast.ini", "MaxSystem.ini"}));
        EXPECT_EQ(editor->Lines(IDC_EDITOR_USER_LIST), (Lines{"Player.ini"}));
        EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE),
                  (Lines{"BR-Endagra.ut2", "CTF-Face3.ut2", "DM-Antalus.ut2", "DM-Asbestos.ut2"}));
        EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED), Lines{});
        EXPECT_TRUE(editor->dialog.Selected().Empty());
        EXPECT_TRUE(editor->Checked(IDC_EDITOR_FLYBY));
        EXPECT_FALSE(editor->Checked(IDC_EDITOR_BOTMATCH));
        EXPECT_EQ(Slider(*editor).RangeMin(), 2);
        EXPECT_EQ(Slider(*editor).RangeMax(), 16);
        EXPECT_EQ(Slider(*editor).Position(), 2);
        EXPECT_FALSE(editor->Enabled(IDC_EDITOR_BOTS));
        EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "N/A");
        EXPECT_EQ(editor->Text(IDC_EDITOR_SYSTEM_CHOSEN), "");
        EXPECT_EQ(editor->Text(IDC_EDITOR_USER_CHOSEN), "");
        EXPECT_EQ(editor->dialog.SystemIniPath(), "");
        Add(*editor, "DM-Antalus.ut2");
        editor->Click(IDC_EDITOR_BOTMATCH);
        ChooseBothIniFiles(*editor);
    }
    EXPECT_FALSE(editMode);
    EXPECT_EQ(Messages(), Lines{});
}

struct EditCase {
    const char* options;  // the [OPTIONS] lines
    bool botmatch;
    const char* label;
    int position;
};

TEST_F(ScriptEditor, EditModeShowsTheScriptAndClearsTheFlag) {
    const EditCase cases[] = {
        {"flyby=true\nnbots=N/A\n", false, "N/A", 2},
        {"flyby=false\nnbots=9\n", true, "9", 9},
        {"flyby=True\nnbots=20\n", true, "20", 16},  // only "true" is a fly-through
        {"nbots=7x\n", true, "7x", 7},
    };
    const std::string systemIni = "..\\benchmark\\stuff\\MaxSystem.ini";
    const std::string userIni = "D:\\Own Files\\My User.ini";
    for (const EditCase& c : cases) {
        const std::string script = game.WriteFile(
            GameSubfolder::Stuff, "edit.tvx",
            std::string("[OPTIONS]\n") + c.options + "[INI]\nsystemini=" + systemIni +
                "\nuserini=" + userIni +
                "\n[MAPS]\nmap0=DM-Asbestos.ut2\nsec0=60\nmap1=Gone.ut2\nsec1=x\nnmaps=2\n");
        editMode = true;
        auto editor = Open(script);
        EXPECT_FALSE(editMode) << c.options;
        EXPECT_EQ(editor->Checked(IDC_EDITOR_BOTMATCH), c.botmatch) << c.options;
        EXPECT_EQ(editor->Checked(IDC_EDITOR_FLYBY), !c.botmatch) << c.options;
        EXPECT_EQ(editor->Enabled(IDC_EDITOR_BOTS), c.botmatch) << c.options;
        EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), c.label) << c.options;
        EXPECT_EQ(Slider(*editor).Position(), c.position) << c.options;
        EXPECT_EQ(editor->Text(IDC_EDITOR_SYSTEM_CHOSEN), "MaxSystem.ini");
        EXPECT_EQ(editor->Text(IDC_EDITOR_USER_CHOSEN), "My User.ini");
        EXPECT_EQ(editor->dialog.SystemIniPath(), systemIni);
        EXPECT_EQ(editor->dialog.UserIniPath(), userIni);
        EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED), (Lines{"DM-Asbestos.ut2", "Gone.ut2"}));
        EXPECT_EQ(editor->dialog.Selected().Maps(),
                  (Maps{{"DM-Asbestos.ut2", "60"}, {"Gone.ut2", "x"}}));
        EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE).size(), FixtureMaps().size());
    }
    EXPECT_EQ(Messages(), Lines{});
}

TEST_F(ScriptEditor, ScriptThatCannotBeOpenedGivesANewOne) {
    const std::string missing = StuffPath("missing.tvx");
    editMode = true;
    auto editor = Open(missing);
    EXPECT_FALSE(editMode);
    EXPECT_TRUE(editor->Checked(IDC_EDITOR_FLYBY));
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "N/A");
    EXPECT_FALSE(editor->Enabled(IDC_EDITOR_BOTS));
    EXPECT_TRUE(editor->dialog.Selected().Empty());
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(Messages(), (Lines{"The script \"" + missing +
                                 "\" could not be opened, so a new script is shown instead."}));
}

TEST_F(ScriptEditor, SavingAnEditedScriptAgainKeepsItsIniValues) {
    const std::string systemIni = "..\\benchmark\\stuff\\MaxSystem.ini";
    const std::string userIni = "..\\Benchmark\\Stuff\\Player.ini";
    const std::string script = game.WriteFile(
        GameSubfolder::Stuff, "again.tvx",
        "[OPTIONS]\r\nflyby=false\r\nnbots=9\r\nallowdemo=false\r\n[INI]\r\nsystemini=" +
            systemIni + "\r\nuserini=" + userIni +
            "\r\n[MAPS]\r\nmap0=CTF-Face3.ut2\r\nsec0=116\r\nnmaps=1\r\n");
    editMode = true;
    auto editor = Open(script);
    const std::string copy = StuffPath("again-copy.tvx");
    files.answers = {copy, script};
    editor->Click(IDC_EDITOR_SAVE);
    editor->Click(IDC_EDITOR_SAVE);
    for (const std::string& saved : {copy, script}) {
        const std::string text = Read(saved);
        EXPECT_EQ(LineValue(text, "systemini"), systemIni) << saved;
        EXPECT_EQ(LineValue(text, "userini"), userIni) << saved;
        EXPECT_EQ(LineValue(text, "nbots"), "9") << saved;
    }
    EXPECT_EQ(Messages(), (Lines{"Save Complete :-)", "Save Complete :-)"}));
}

TEST_F(ScriptEditor, EditedValuesTheCustomTabWouldRefuseAreNotSaved) {
    std::string text =
        "[INI]\nsystemini=..\\benchmark\\stuff\\Fast.ini\nuserini=..\\u.ini\n[MAPS]\n";
    for (int i = 0; i < 31; ++i) {
        text += "map" + std::to_string(i) + "=DM-Antalus.ut2\nsec" + std::to_string(i) + "=" +
                (i == 0 ? "1234567" : "60") + "\n";
    }
    const std::string script =
        game.WriteFile(GameSubfolder::Stuff, "many.tvx", text + "nmaps=31\n");
    editMode = true;
    auto editor = Open(script);
    EXPECT_EQ(editor->dialog.Selected().Count(), 30u);
    editor->Click(IDC_EDITOR_SAVE);
    EXPECT_TRUE(files.questions.empty());

    runTimes.answers = {"60"};
    editor->DoubleClick(IDC_EDITOR_SELECTED, 0);
    files.answers = {script};
    editor->Click(IDC_EDITOR_SAVE);
    EXPECT_EQ(LoadScriptForEditing(script).maps.size(), 30u);
    EXPECT_EQ(Messages(),
              (Lines{"The script names more than 30 maps: only the first 30 were read, and only "
                     "they are saved.",
                     "The run time \"1234567\" of the map \"DM-Antalus.ut2\" in the script is "
                     "longer than 5 characters.",
                     "Save Complete :-)"}));
}

TEST_F(ScriptEditor, ModeDecidesTheSliderAndItsLabel) {
    auto editor = Open();
    editor->Click(IDC_EDITOR_BOTMATCH);
    EXPECT_TRUE(editor->Checked(IDC_EDITOR_BOTMATCH));
    EXPECT_TRUE(editor->Enabled(IDC_EDITOR_BOTS));
    EXPECT_EQ(Slider(*editor).Position(), 12);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "12");

    // The keyboard and the mouse move it through the control itself, which tells the dialog.
    const HWND slider = Slider(*editor).Handle();
    SendMessageA(slider, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "13");
    SendMessageA(slider, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "16");
    SendMessageA(slider, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "2");
    // Dragged by its thumb to the far end of the track.
    RECT thumb{};
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    RECT track{};
    GetClientRect(slider, &track);
    const int middle = (thumb.top + thumb.bottom) / 2;
    SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM((thumb.left + thumb.right) / 2, middle));
    SendMessageA(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(track.right * 3 / 4, middle));
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), std::to_string(Slider(*editor).Position()));
    SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(track.right * 3 / 4, middle));
    PumpMessages();
    EXPECT_GT(Slider(*editor).Position(), 9);
    EXPECT_LT(Slider(*editor).Position(), 16);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), std::to_string(Slider(*editor).Position()));

    editor->Click(IDC_EDITOR_FLYBY);
    EXPECT_FALSE(editor->Enabled(IDC_EDITOR_BOTS));
    EXPECT_EQ(Slider(*editor).Position(), 2);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "N/A");
    editor->Click(IDC_EDITOR_BOTMATCH);
    EXPECT_EQ(editor->Text(IDC_EDITOR_BOT_COUNT), "12");
    EXPECT_EQ(Slider(*editor).Position(), 12);
}

TEST_F(ScriptEditor, AddRemoveAndChangeRunTimes) {
    auto editor = Open();
    runTimes.answers = {std::nullopt, "45", "90", "100", std::nullopt};
    for (const char* map : {"DM-Asbestos.ut2", "DM-Antalus.ut2", "CTF-Face3.ut2"}) {
        Add(*editor, map);
    }
    EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED),
              (Lines{"DM-Asbestos.ut2", "DM-Antalus.ut2", "CTF-Face3.ut2"}));
    EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE), (Lines{"BR-Endagra.ut2"}));
    EXPECT_EQ(editor->dialog.Selected().Maps(),
              (Maps{{"DM-Asbestos.ut2", "71"}, {"DM-Antalus.ut2", "45"}, {"CTF-Face3.ut2", "90"}}));

    editor->DoubleClick(IDC_EDITOR_SELECTED, 2);  // its own 116 again, not the stored 90
    editor->DoubleClick(IDC_EDITOR_SELECTED, 1);  // cancelled: the time it had
    EXPECT_EQ(runTimes.offered, (Lines{"71", "77", "116", "116", "45"}));
    EXPECT_EQ(state.pendingRunTime, "45");
    EXPECT_EQ(
        editor->dialog.Selected().Maps(),
        (Maps{{"DM-Asbestos.ut2", "71"}, {"DM-Antalus.ut2", "45"}, {"CTF-Face3.ut2", "100"}}));

    ListBox(editor->hwnd, IDC_EDITOR_SELECTED).SetSelection(1);
    editor->Click(IDC_EDITOR_REMOVE);
    EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED), (Lines{"DM-Asbestos.ut2", "CTF-Face3.ut2"}));
    EXPECT_EQ(editor->dialog.Selected().Maps(),
              (Maps{{"DM-Asbestos.ut2", "71"}, {"CTF-Face3.ut2", "100"}}));
    EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE), (Lines{"BR-Endagra.ut2", "DM-Antalus.ut2"}));
    EXPECT_EQ(Messages(), Lines{});
}

TEST_F(ScriptEditor, RemovingAnEditedScriptsMapListsItOnce) {
    const std::string script = game.WriteFile(GameSubfolder::Stuff, "once.tvx",
                                              "[MAPS]\nmap0=DM-Antalus.ut2\nsec0=60\nnmaps=1\n");
    editMode = true;
    auto editor = Open(script);
    ListBox(editor->hwnd, IDC_EDITOR_SELECTED).SetSelection(0);
    editor->Click(IDC_EDITOR_REMOVE);
    EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE),
              (Lines{"BR-Endagra.ut2", "CTF-Face3.ut2", "DM-Antalus.ut2", "DM-Asbestos.ut2"}));
    EXPECT_TRUE(editor->dialog.Selected().Empty());
}

TEST_F(ScriptEditor, EachRefusalSaysWhyAndChangesNothing) {
    auto editor = Open();
    editor->Click(IDC_EDITOR_ADD);
    editor->Click(IDC_EDITOR_REMOVE);
    editor->Click(IDC_EDITOR_SAVE);
    Add(*editor, "DM-Antalus.ut2");
    editor->Click(IDC_EDITOR_SAVE);
    editor->Select(IDC_EDITOR_SYSTEM_LIST, "Fast.ini");
    editor->Click(IDC_EDITOR_SAVE);
    EXPECT_EQ(Messages(), (Lines{"No map selected", "No map selected", "No Map Selected !",
                                 "No System ini selected !", "No User ini selected !"}));
    EXPECT_TRUE(files.questions.empty());
    EXPECT_EQ(editor->dialog.SystemIniPath(), StuffPath("Fast.ini"));
}

TEST_F(ScriptEditor, LongMapNamesAndRunTimesAreRefusedWhenEntered) {
    const std::string longName = std::string(26, 'L') + ".ut2";  // 30 characters
    game.WriteFile(GameSubfolder::Maps, longName, "map");
    auto editor = Open();
    Add(*editor, longName);
    EXPECT_TRUE(runTimes.offered.empty());

    runTimes.answers = {"123456", "60", "654321"};
    Add(*editor, "DM-Asbestos.ut2");
    EXPECT_EQ(state.pendingRunTime, "71");
    Add(*editor, "DM-Antalus.ut2");
    editor->DoubleClick(IDC_EDITOR_SELECTED, 0);
    EXPECT_EQ(state.pendingRunTime, "60");

    EXPECT_EQ(editor->dialog.Selected().Maps(), (Maps{{"DM-Antalus.ut2", "60"}}));
    EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED), (Lines{"DM-Antalus.ut2"}));
    EXPECT_EQ(editor->Lines(IDC_EDITOR_AVAILABLE),
              (Lines{"BR-Endagra.ut2", "CTF-Face3.ut2", "DM-Asbestos.ut2", longName}));
    EXPECT_EQ(Messages(),
              (Lines{"The map name \"" + longName +
                         "\" is longer than 29 characters, so a script could not run it.",
                     "The run time \"123456\" is longer than 5 characters, so \"DM-Asbestos.ut2\" "
                     "was not added.",
                     "The run time \"654321\" is longer than 5 characters, so \"DM-Antalus.ut2\" "
                     "keeps its run time of 60."}));
}

TEST_F(ScriptEditor, ThirtyFirstMapIsRefused) {
    for (int i = 0; i < 31; ++i) {
        game.WriteFile(GameSubfolder::Maps, "DM-Map" + std::to_string(10 + i) + ".ut2", "map");
    }
    auto editor = Open();
    for (int i = 0; i < 31; ++i) {
        Add(*editor, "DM-Map" + std::to_string(10 + i) + ".ut2");
    }
    EXPECT_EQ(editor->dialog.Selected().Count(), 30u);
    EXPECT_EQ(runTimes.offered.size(), 30u);
    EXPECT_EQ(editor->Lines(IDC_EDITOR_SELECTED).back(), "DM-Map39.ut2");
    EXPECT_EQ(ListBox(editor->hwnd, IDC_EDITOR_AVAILABLE).FindExact("DM-Map40.ut2") >= 0, true);
    EXPECT_EQ(Messages(), (Lines{"A script can run at most 30 maps: remove one before adding "
                                 "\"DM-Map40.ut2\"."}));
}

TEST_F(ScriptEditor, IniFilesFromTheListsAndFromBrowse) {
    const std::string ownSystem =
        game.WriteFile(GameSubfolder::System, "UT2003.ini", "[URL]\r\nProtocol=ut2003\r\n");
    const std::string ownUser =
        game.WriteFile(GameSubfolder::System, "User.ini", "[DefaultPlayer]\r\n");
    auto editor = Open();
    ChooseBothIniFiles(*editor);
    EXPECT_EQ(editor->Text(IDC_EDITOR_SYSTEM_CHOSEN), "MaxSystem.ini");
    EXPECT_EQ(editor->dialog.SystemIniPath(), StuffPath("MaxSystem.ini"));
    EXPECT_EQ(editor->Text(IDC_EDITOR_USER_CHOSEN), "Player.ini");
    EXPECT_EQ(editor->dialog.UserIniPath(), StuffPath("Player.ini"));

    files.answers = {ownUser, ownSystem, std::nullopt, ownSystem, ownUser};
    editor->Click(IDC_EDITOR_SYSTEM_BROWSE);  // a user ini: refused
    editor->Click(IDC_EDITOR_USER_BROWSE);    // a system ini: refused
    EXPECT_EQ(editor->dialog.SystemIniPath(), StuffPath("MaxSystem.ini"));
    EXPECT_EQ(editor->dialog.UserIniPath(), StuffPath("Player.ini"));
    editor->Click(IDC_EDITOR_SYSTEM_BROWSE);  // cancelled
    editor->Click(IDC_EDITOR_SYSTEM_BROWSE);
    editor->Click(IDC_EDITOR_USER_BROWSE);
    EXPECT_EQ(editor->Text(IDC_EDITOR_SYSTEM_CHOSEN), "UT2003.ini");
    EXPECT_EQ(editor->dialog.SystemIniPath(), ownSystem);
    EXPECT_EQ(editor->Text(IDC_EDITOR_USER_CHOSEN), "User.ini");
    EXPECT_EQ(editor->dialog.UserIniPath(), ownUser);

    ASSERT_EQ(files.openQuestions.size(), 5u);
    for (const FileQuestion& question : files.openQuestions) {
        EXPECT_EQ(question.filter, FilterFromBars("UT ini file (*.ini) |*.ini||"));
        EXPECT_EQ(question.initialName, "*.ini");
    }
    EXPECT_EQ(Messages(),
              (Lines{"This is not a valid system ini file", "This is not a valid user ini file"}));
}

TEST_F(ScriptEditor, IniPathLongerThanAScriptHoldsIsRefused) {
    const std::filesystem::path deep =
        std::filesystem::path(game.FolderPath(GameSubfolder::System)) / std::string(150, 'd');
    std::filesystem::create_directories(deep);
    const std::string longPath = (deep / "Long.ini").string();
    ASSERT_GT(longPath.size(), kMaxIniPathChars);
    std::ofstream(longPath, std::ios::binary) << "[URL]\r\n";
    auto editor = Open();
    editor->Select(IDC_EDITOR_SYSTEM_LIST, "Fast.ini");
    files.answers = {longPath};
    editor->Click(IDC_EDITOR_SYSTEM_BROWSE);
    EXPECT_EQ(editor->dialog.SystemIniPath(), StuffPath("Fast.ini"));
    EXPECT_EQ(editor->Text(IDC_EDITOR_SYSTEM_CHOSEN), "Fast.ini");
    EXPECT_EQ(Messages(), (Lines{"The path \"" + longPath +
                                 "\" is longer than 199 characters, so a script could not use "
                                 "it."}));
}

TEST_F(ScriptEditor, SaveAsksWhereAndWritesTheScript) {
    state.isDemo = true;
    auto editor = Open();
    ShowWindow(editor->hwnd, SW_SHOWNOACTIVATE);
    ChooseBothIniFiles(*editor);
    editor->Click(IDC_EDITOR_BOTMATCH);
    SendMessageA(Slider(*editor).Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    runTimes.answers = {"30", std::nullopt};
    Add(*editor, "DM-Antalus.ut2");
    Add(*editor, "BR-Endagra.ut2");
    const std::string path = state.gameFolder + "\\Benchmark\\Mine.tvx";
    files.answers = {std::nullopt, path};
    editor->Click(IDC_EDITOR_SAVE);  // cancelled: nothing written, nothing said
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(Messages(), Lines{});
    editor->Click(IDC_EDITOR_SAVE);

    ASSERT_EQ(files.questions.size(), 2u);
    const FileQuestion& question = files.questions[1];
    EXPECT_EQ(question.filter, FilterFromBars("Tarvik file (*.tvx) |*.tvx||"));
    EXPECT_EQ(question.defaultExtension, "tvx");
    EXPECT_EQ(question.initialFolder, state.gameFolder + "\\Benchmark");
    EXPECT_TRUE(question.promptOverwrite);

    const ScriptDocument saved = LoadScriptForEditing(path);
    EXPECT_FALSE(saved.flyby);
    EXPECT_EQ(saved.botCount, "13");
    EXPECT_EQ(saved.systemIni, "..\\benchmark\\stuff\\maxsystem.ini");
    EXPECT_EQ(saved.userIni, "..\\benchmark\\stuff\\player.ini");
    EXPECT_EQ(saved.maps, (Maps{{"DM-Antalus.ut2", "30"}, {"BR-Endagra.ut2", "70"}}));
    EXPECT_EQ(LineValue(Read(path), "allowdemo"), "true");
    EXPECT_EQ(Messages(), (Lines{"Save Complete :-)"}));
    EXPECT_TRUE(IsWindowVisible(editor->hwnd));  // saving does not close the editor

    editor->Click(IDC_EDITOR_RETURN);
    EXPECT_FALSE(IsWindowVisible(editor->hwnd));
}

TEST_F(ScriptEditor, SaveThatCannotWriteSaysSoAndKeepsTheOldFile) {
    const std::string old = "[OPTIONS]\r\nflyby=true\r\n";
    const std::string blocked = game.WriteFile(GameSubfolder::Stuff, "blocked.tvx", old);
    std::filesystem::create_directories(blocked + ".tvtmp");  // the temporary file cannot be made
    const std::string nowhere = state.gameFolder + "\\No Such Folder\\x.tvx";
    auto editor = Open();
    ChooseBothIniFiles(*editor);
    Add(*editor, "DM-Antalus.ut2");
    files.answers = {blocked, nowhere};
    editor->Click(IDC_EDITOR_SAVE);
    editor->Click(IDC_EDITOR_SAVE);
    EXPECT_EQ(Read(blocked), old);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    EXPECT_EQ(Messages(), (Lines{"The script could not be written to \"" + blocked +
                                     "\"; a file already there was left as it was.",
                                 "The script could not be written to \"" + nowhere +
                                     "\"; a file already there was left as it was."}));
}

}  // namespace
}  // namespace tarvik
