#include "scripts/script_format.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/common/recording_prompt.h"
#include "tests/common/temp_folder_test.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDemoRefusal =
    "This script cannot be run without the full version of UT 2003";

class ScriptFormatTest : public TempFolderTest {};

// A bot-match script as a user might have edited it: every map but the first is "DM-Map.ut2".
std::string BotmatchScript(const std::string& nbots, const std::string& systemIni,
                           const std::string& userIni, const std::string& firstMap,
                           const std::string& firstSeconds, int mapCount) {
    std::string text = "[OPTIONS]\nflyby=false\nnbots=" + nbots + "\nallowdemo=true\n[INI]\n" +
                       "systemini=" + systemIni + "\nuserini=" + userIni + "\n[MAPS]\n";
    for (int i = 0; i < mapCount; ++i) {
        const std::string n = std::to_string(i);
        text += "map" + n + "=" + (i == 0 ? firstMap : "DM-Map.ut2") + "\n";
        text += "sec" + n + "=" + (i == 0 ? firstSeconds : "60") + "\n";
    }
    return text + "nmaps=" + std::to_string(mapCount) + "\n";
}

struct FlybyCase {
    const char* value;  // nullptr: no flyby key at all
    bool runsAsFlyby;
    bool editsAsFlyby;
};

TEST_F(ScriptFormatTest, FlybyIsJudgedFromOppositeSidesForRunAndEditing) {
    const FlybyCase cases[] = {
        {"true", true, true},   {"false", false, false}, {"True", true, false},
        {"FALSE", true, false}, {"", true, false},       {nullptr, true, false},
    };
    for (const FlybyCase& c : cases) {
        const std::string flybyLine = c.value ? std::string("flyby=") + c.value + "\n" : "";
        const std::string path = Write("mode.tvx", "[OPTIONS]\n" + flybyLine + "nbots=12\n");
        RecordingPrompt prompt;
        const auto run = LoadScriptForRun(path, "1024x768", false, prompt);
        ASSERT_TRUE(run.has_value());
        EXPECT_EQ(run->flyby, c.runsAsFlyby) << flybyLine;
        EXPECT_EQ(run->execFile, c.runsAsFlyby ? "..\\Benchmark\\Stuff\\flybyexec.txt"
                                               : "..\\Benchmark\\Stuff\\botmatchexec.txt");
        EXPECT_EQ(run->botCount, c.runsAsFlyby ? "" : "12") << flybyLine;
        EXPECT_EQ(run->resolution, "1024x768");

        const ScriptDocument document = LoadScriptForEditing(path);
        EXPECT_EQ(document.flyby, c.editsAsFlyby) << flybyLine;
        EXPECT_EQ(document.botCount, c.editsAsFlyby ? "N/A" : "12") << flybyLine;
        EXPECT_TRUE(prompt.messages.empty());
    }
}

struct DemoCase {
    const char* allowdemo;  // nullptr: no allowdemo key
    bool isDemo;
    bool refused;
};

TEST_F(ScriptFormatTest, DemoRefusesOnlyScriptsMadeWithTheFullVersion) {
    const DemoCase cases[] = {
        {"false", true, true},  {"false", false, false}, {"true", true, false},
        {"true", false, false}, {"False", true, false},  {"", true, false},
        {nullptr, true, false},
    };
    for (const DemoCase& c : cases) {
        const std::string demoLine = c.allowdemo ? std::string("allowdemo=") + c.allowdemo : "";
        const std::string path = Write("demo.tvx", "[OPTIONS]\nflyby=true\n" + demoLine +
                                                       "\n[MAPS]\nmap0=DM-A.ut2\n"
                                                       "sec0=60\nnmaps=1\n");
        RecordingPrompt prompt;
        const auto run = LoadScriptForRun(path, "800x600", c.isDemo, prompt);
        EXPECT_EQ(run.has_value(), !c.refused) << demoLine << " demo " << c.isDemo;
        if (c.refused) {
            ASSERT_EQ(prompt.messages.size(), 1u);
            EXPECT_EQ(prompt.messages[0].text, kDemoRefusal);
            EXPECT_EQ(prompt.messages[0].caption, "!");
            EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
        } else {
            EXPECT_TRUE(prompt.messages.empty());
            EXPECT_EQ(run->maps, (std::vector<ScriptMap>{{"DM-A.ut2", "60"}}));
        }
    }
}

TEST_F(ScriptFormatTest, SaveWritesExactlyTheScriptKeysInOrder) {
    ScriptDocument document;
    document.flyby = false;
    document.botCount = "12";
    document.systemIni = "C:\\Games\\UT2003\\Benchmark\\Stuff\\MaxDetail.ini";
    document.userIni = "D:\\Other\\User.ini";
    document.maps = {{"DM-Asbestos.ut2", "71"}, {"CTF-Face3.ut2", "116"}};
    const std::string path = Write("saved.tvx", "old text that must go\n[MAPS]\nmap9=x\n");
    ASSERT_TRUE(SaveScript(path, document, "C:\\Games\\UT2003", true));
    EXPECT_EQ(Read(path),
              "[OPTIONS]\r\nflyby=false\r\nnbots=12\r\nallowdemo=true\r\n"
              "[INI]\r\nsystemini=..\\benchmark\\stuff\\maxdetail.ini\r\n"
              "userini=D:\\Other\\User.ini\r\n"
              "[MAPS]\r\nmap0=DM-Asbestos.ut2\r\nsec0=71\r\nmap1=CTF-Face3.ut2\r\nsec1=116\r\n"
              "nmaps=2\r\n");

    document.flyby = true;
    document.botCount = "7";
    document.maps.clear();
    ASSERT_TRUE(SaveScript(path, document, "C:\\Games\\UT2003", false));
    EXPECT_EQ(Read(path),
              "[OPTIONS]\r\nflyby=true\r\nnbots=N/A\r\nallowdemo=false\r\n"
              "[INI]\r\nsystemini=..\\benchmark\\stuff\\maxdetail.ini\r\n"
              "userini=D:\\Other\\User.ini\r\n[MAPS]\r\nnmaps=0\r\n");
}

TEST_F(ScriptFormatTest, EightMapsRoundTrip) {
    ScriptDocument document;
    document.flyby = false;
    document.botCount = "16";
    document.systemIni = "..\\benchmark\\stuff\\maxdetail.ini";
    document.userIni = "..\\benchmark\\stuff\\user.ini";
    for (int i = 0; i < 8; ++i) {
        document.maps.push_back({"DM-Map" + std::to_string(i) + ".ut2", std::to_string(60 + i)});
    }
    const std::string path = PathOf("eight.tvx");
    ASSERT_TRUE(SaveScript(path, document, "C:\\Games\\UT2003", false));
    EXPECT_NE(Read(path).find("\r\nnmaps=8\r\n"), std::string::npos);

    RecordingPrompt prompt;
    const auto run = LoadScriptForRun(path, "800x600", false, prompt);
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->maps, document.maps);
    EXPECT_EQ(run->botCount, "16");
    EXPECT_EQ(run->systemIni, document.systemIni);
    EXPECT_EQ(run->userIni, document.userIni);

    const ScriptDocument edited = LoadScriptForEditing(path);
    EXPECT_EQ(edited.maps, document.maps);
    EXPECT_EQ(edited.botCount, "16");
    EXPECT_FALSE(edited.flyby);
    EXPECT_FALSE(edited.tooManyMaps);
}

TEST_F(ScriptFormatTest, ValuesWithSemicolonsSurviveTheCommentCut) {
    ScriptDocument document;
    document.systemIni = "C:\\odd;folder\\System.ini";
    document.userIni = "C:\\odd;folder\\User.ini";
    document.maps = {{"DM-a;b.ut2", "60"}};
    const std::string path = PathOf("semicolon.tvx");
    ASSERT_TRUE(SaveScript(path, document, "", false));
    EXPECT_NE(Read(path).find("map0=DM-a;b.ut2;\r\n"), std::string::npos);
    const ScriptDocument loaded = LoadScriptForEditing(path);
    EXPECT_EQ(loaded.systemIni, document.systemIni);
    EXPECT_EQ(loaded.maps, document.maps);
}

struct MapCountCase {
    const char* nmaps;  // nullptr: no nmaps key
    std::size_t count;
};

TEST_F(ScriptFormatTest, NmapsDecidesHowManyMapsAreRead) {
    const MapCountCase cases[] = {
        {"3", 3},   {"5", 5},  {"7", 7}, {"2abc", 2},  {" 4", 4},
        {"abc", 0}, {"-3", 0}, {"", 0},  {nullptr, 0},
    };
    for (const MapCountCase& c : cases) {
        std::string text = "[OPTIONS]\nflyby=true\n[MAPS]\n";
        for (int i = 0; i < 5; ++i) {
            text += "map" + std::to_string(i) + "=M" + std::to_string(i) + "\nsec" +
                    std::to_string(i) + "=" + std::to_string(i) + "\n";
        }
        if (c.nmaps) {
            text += std::string("nmaps=") + c.nmaps + "\n";
        }
        const std::string path = Write("count.tvx", text);
        RecordingPrompt prompt;
        const auto run = LoadScriptForRun(path, "800x600", false, prompt);
        ASSERT_TRUE(run.has_value());
        ASSERT_EQ(run->maps.size(), c.count) << (c.nmaps ? c.nmaps : "(none)");
        for (std::size_t i = 0; i < c.count; ++i) {
            const ScriptMap expected =
                i < 5 ? ScriptMap{"M" + std::to_string(i), std::to_string(i)} : ScriptMap{};
            EXPECT_EQ(run->maps[i], expected) << "map " << i;
        }
        EXPECT_EQ(LoadScriptForEditing(path).maps, run->maps);
    }
}

TEST_F(ScriptFormatTest, UnopenableFileLoadsAsAnEmptyScript) {
    RecordingPrompt prompt;
    const auto run = LoadScriptForRun(PathOf("missing.tvx"), "800x600", true, prompt);
    ASSERT_TRUE(run.has_value());
    EXPECT_TRUE(run->flyby);
    EXPECT_EQ(run->systemIni, "");
    EXPECT_EQ(run->userIni, "");
    EXPECT_TRUE(run->maps.empty());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(fs::exists(PathOf("missing.tvx")));

    const ScriptDocument document = LoadScriptForEditing(PathOf("missing.tvx"));
    EXPECT_FALSE(document.flyby);
    EXPECT_EQ(document.botCount, "");
    EXPECT_TRUE(document.maps.empty());
}

struct LimitCase {
    std::string script;
    std::string message;  // empty: the script runs
};

TEST_F(ScriptFormatTest, ValuesThatWouldBreakTheCommandLineAreRefused) {
    const std::string ini = "..\\benchmark\\stuff\\maxdetail.ini";
    const std::string user = "..\\benchmark\\stuff\\user.ini";
    const std::string map29(25, 'M');  // plus ".ut2": 29 characters
    const std::string path199(199, 'p');
    const std::string path200(200, 'p');
    const std::string shown200 = std::string(57, 'p') + "...";
    const LimitCase cases[] = {
        {BotmatchScript("12", ini, user, "DM-A.ut2", "60", 30), ""},
        {BotmatchScript("12", ini, user, "DM-A.ut2", "60", 31),
         "The script has 31 maps; at most 30 can be run."},
        {BotmatchScript("12", ini, user, map29 + ".ut2", "60", 1), ""},
        {BotmatchScript("12", ini, user, map29 + "x.ut2", "60", 1),
         "The map name \"" + map29 + "x.ut2\" in the script is longer than 29 characters."},
        {BotmatchScript("12", ini, user, "DM-A.ut2", "12345", 1), ""},
        {BotmatchScript("12", ini, user, "DM-A.ut2", "123456", 1),
         "The run time \"123456\" of the map \"DM-A.ut2\" in the script is longer than 5 "
         "characters."},
        {BotmatchScript("12345", ini, user, "DM-A.ut2", "60", 1), ""},
        {BotmatchScript("123456", ini, user, "DM-A.ut2", "60", 1),
         "The number of bots \"123456\" in the script is longer than 5 characters."},
        {BotmatchScript("12", path199, path199, "DM-A.ut2", "60", 1), ""},
        {BotmatchScript("12", path200, user, "DM-A.ut2", "60", 1),
         "The system ini path \"" + shown200 + "\" in the script is longer than 199 characters."},
        {BotmatchScript("12", ini, path200, "DM-A.ut2", "60", 1),
         "The user ini path \"" + shown200 + "\" in the script is longer than 199 characters."},
        {BotmatchScript("12", ini, user, "DM-\"x.ut2", "60", 1),
         "The map name \"DM-\"x.ut2\" in the script contains a double quote or a control "
         "character."},
        {BotmatchScript("12", ini, user, "DM-A.ut2", "6\t0", 1),
         "The run time \"6?0\" of the map \"DM-A.ut2\" in the script contains a double quote or "
         "a control character."},
        {BotmatchScript("1\"2", ini, user, "DM-A.ut2", "60", 1),
         "The number of bots \"1\"2\" in the script contains a double quote or a control "
         "character."},
        {BotmatchScript("12", "a\x01.ini", user, "DM-A.ut2", "60", 1),
         "The system ini path \"a?.ini\" in the script contains a double quote or a control "
         "character."},
        {BotmatchScript("12", ini, "u\x7f.ini", "DM-A.ut2", "60", 1),
         "The user ini path \"u?.ini\" in the script contains a double quote or a control "
         "character."},
    };
    for (const LimitCase& c : cases) {
        const std::string path = Write("limits.tvx", c.script);
        RecordingPrompt prompt;
        const auto run = LoadScriptForRun(path, "800x600", false, prompt);
        if (c.message.empty()) {
            EXPECT_TRUE(run.has_value()) << c.script;
            EXPECT_TRUE(prompt.messages.empty()) << c.script;
            continue;
        }
        EXPECT_FALSE(run.has_value()) << c.message;
        ASSERT_EQ(prompt.messages.size(), 1u) << c.message;
        EXPECT_EQ(prompt.messages[0].text, c.message);
        EXPECT_EQ(prompt.messages[0].caption, "!");
    }
}

TEST_F(ScriptFormatTest, BotCountOfAFlybyScriptIsNotChecked) {
    const std::string path =
        Write("flyby.tvx", "[OPTIONS]\nflyby=true\nnbots=much too long \"\n[MAPS]\nnmaps=0\n");
    RecordingPrompt prompt;
    EXPECT_TRUE(LoadScriptForRun(path, "800x600", false, prompt).has_value());
}

TEST_F(ScriptFormatTest, EditingReadsAtMostThirtyMaps) {
    const std::string path = Write("many.tvx", BotmatchScript("12", "a", "b", "DM-A.ut2", "1", 31));
    const ScriptDocument document = LoadScriptForEditing(path);
    EXPECT_EQ(document.maps.size(), kMaxScriptMaps);
    EXPECT_TRUE(document.tooManyMaps);
    EXPECT_EQ(ScriptProblem(document), "");
    ScriptDocument longer = document;
    longer.maps.push_back({"DM-B.ut2", "1"});
    EXPECT_EQ(ScriptProblem(longer), "The script has 31 maps; at most 30 can be run.");

    // A huge map count is refused for a run without reading that many keys.
    const std::string huge = Write("huge.tvx", "[MAPS]\nnmaps=99999999999999999999\n");
    RecordingPrompt prompt;
    EXPECT_FALSE(LoadScriptForRun(huge, "800x600", false, prompt).has_value());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "The script has 2147483647 maps; at most 30 can be run.");
    EXPECT_EQ(LoadScriptForEditing(huge).maps.size(), kMaxScriptMaps);
}

TEST_F(ScriptFormatTest, SaveRefusesLineBreaksAndKeepsTheOldFile) {
    const std::string old = "[OPTIONS]\nflyby=true\n";
    const std::string path = Write("keep.tvx", old);
    ScriptDocument document;
    document.maps = {{"DM-A.ut2\r\n[INI]", "60"}};
    EXPECT_FALSE(SaveScript(path, document, "", false));
    document.maps = {{"DM-A.ut2", "60"}};
    document.userIni = "x\ny";
    EXPECT_FALSE(SaveScript(path, document, "", false));
    EXPECT_EQ(Read(path), old);
    EXPECT_FALSE(SaveScript(PathOf("no/such/folder/x.tvx"), ScriptDocument{}, "", false));
}

TEST_F(ScriptFormatTest, SaveThatCannotWriteKeepsTheOldFile) {
    const std::string old = "[OPTIONS]\nflyby=true\n";
    const std::string path = Write("blocked.tvx", old);
    fs::create_directories(path + ".tvtmp");  // the engine's temporary file cannot be made
    ScriptDocument document;
    document.maps = {{"DM-A.ut2", "60"}};
    EXPECT_FALSE(SaveScript(path, document, "", false));
    EXPECT_EQ(Read(path), old);
}

TEST(MakeGameRelative, OnlyPathsInsideTheGameFolder) {
    const std::array<std::array<const char*, 3>, 8> cases{{
        {"C:\\Games\\UT2003\\Benchmark\\Stuff\\My.ini", "C:\\Games\\UT2003",
         "..\\benchmark\\stuff\\my.ini"},
        {"c:\\games\\ut2003\\System\\UT2003.ini", "C:\\Games\\UT2003", "..\\system\\ut2003.ini"},
        {"C:\\Games\\UT2003\\System\\A.ini", "C:\\Games\\UT2003\\", "..\\system\\a.ini"},
        {"C:\\Games\\UT2003x\\System\\A.ini", "C:\\Games\\UT2003",
         "C:\\Games\\UT2003x\\System\\A.ini"},
        {"D:\\Other\\User.ini", "C:\\Games\\UT2003", "D:\\Other\\User.ini"},
        {"C:\\Games", "C:\\Games\\UT2003", "C:\\Games"},
        {"..\\benchmark\\stuff\\x.ini", "C:\\Games\\UT2003", "..\\benchmark\\stuff\\x.ini"},
        {"C:\\Games\\UT2003\\A.ini", "", "C:\\Games\\UT2003\\A.ini"},
    }};
    for (const auto& [path, gameFolder, expected] : cases) {
        EXPECT_EQ(MakeGameRelative(path, gameFolder), expected) << path << " in " << gameFolder;
    }
}

}  // namespace
}  // namespace tarvik
