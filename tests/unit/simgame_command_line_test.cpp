#include "tools/simgame/command_line.h"

#include <gtest/gtest.h>

#include "bench/command_lines.h"
#include "tools/simgame/game_paths.h"

namespace tarvik::simgame {
namespace {

constexpr const char* kGame = "C:\\Games\\UT2003";

ParsedCommandLine Parsed(const std::string& commandLine) {
    ParsedCommandLine line;
    std::string error;
    EXPECT_TRUE(ParseGameCommandLine(commandLine, &line, &error)) << commandLine << ": " << error;
    return line;
}

struct LineCase {
    const char* commandLine;
    const char* map;
    GameMode mode;
    int bots;
    const char* exec;
    int seconds;
    const char* ini;
    const char* userIni;
    bool upt;
    int width;  // 0: no resolution
    int height;
};

TEST(SimgameCommandLine, ReadsEveryFormTheFrontEndSends) {
    const LineCase cases[] = {
        // Fixed flyby line with -UPT.
        {"\"C:\\Games\\UT2003\\System\\ut2003.exe\" dm-antalus?game=engine.gameinfo "
         "-exec=..\\Benchmark\\Stuff\\flybyexec.txt -benchmark -seconds=77 -nosound "
         "ini=..\\Benchmark\\Stuff\\CustomMaxSystem.ini "
         "userini=..\\Benchmark\\Stuff\\CustomMaxUser.ini -UPT -1024x768",
         "dm-antalus", GameMode::Flyby, 0, "..\\Benchmark\\Stuff\\flybyexec.txt", 77,
         "..\\Benchmark\\Stuff\\CustomMaxSystem.ini", "..\\Benchmark\\Stuff\\CustomMaxUser.ini",
         true, 1024, 768},
        // Fixed botmatch line without -UPT.
        {"\"C:\\Program Files\\UT2003\\System\\ut2003.exe\" "
         "ctf-face3?spectatoronly=true?numbots=12?quickstart=true?attractcam=true "
         "-exec=..\\Benchmark\\Stuff\\botmatchexec.txt -benchmark -seconds=77 -nosound "
         "ini=..\\System\\UT2003.ini userini=..\\System\\User.ini -1280x1024",
         "ctf-face3", GameMode::Botmatch, 12, "..\\Benchmark\\Stuff\\botmatchexec.txt", 77,
         "..\\System\\UT2003.ini", "..\\System\\User.ini", false, 1280, 1024},
        // Script botmatch: -exec= after -seconds=, map with its extension, odd bot count.
        {"\"C:\\UT\\System\\ut2003.exe\" "
         "DM-Asbestos.ut2?spectatoronly=true?numbots=5?quickstart=true?attractcam=true "
         "-benchmark -seconds=30 -exec=..\\Benchmark\\Stuff\\botmatchexec.txt -nosound "
         "ini=..\\benchmark\\stuff\\maxdetail.ini userini=C:\\Mine\\user.ini -1600x1200",
         "DM-Asbestos.ut2", GameMode::Botmatch, 5, "..\\Benchmark\\Stuff\\botmatchexec.txt", 30,
         "..\\benchmark\\stuff\\maxdetail.ini", "C:\\Mine\\user.ini", false, 1600, 1200},
        // Unquoted executable, switches in other letter case, a path with blanks.
        {"ut2003.exe dom-suntemple?game=engine.gameinfo -EXEC=..\\Benchmark\\Stuff\\flybyexec.txt "
         "-Benchmark -SECONDS=5 -NoSound INI=C:\\My Files\\fast.ini USERINI=\"C:\\My "
         "Files\\u.ini\" "
         "-upt -640x480",
         "dom-suntemple", GameMode::Flyby, 0, "..\\Benchmark\\Stuff\\flybyexec.txt", 5,
         "C:\\My Files\\fast.ini", "C:\\My Files\\u.ini", true, 640, 480},
        // The last "-" switch is not a resolution: the game keeps its own.
        {"\"ut2003.exe\" dm-inferno?game=engine.gameinfo -seconds=1 -640x480 -UPT", "dm-inferno",
         GameMode::Flyby, 0, "", 1, "", "", true, 0, 0},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        const ParsedCommandLine line = Parsed(c.commandLine);
        EXPECT_EQ(line.mapName, c.map);
        EXPECT_EQ(line.mode, c.mode);
        EXPECT_EQ(line.botCount, c.bots);
        EXPECT_EQ(line.execFile, c.exec);
        EXPECT_EQ(line.seconds, c.seconds);
        EXPECT_EQ(line.systemIni, c.ini);
        EXPECT_EQ(line.userIni, c.userIni);
        EXPECT_EQ(line.upt, c.upt);
        ASSERT_EQ(line.resolution.has_value(), c.width != 0);
        if (line.resolution) {
            EXPECT_EQ(line.resolution->width, c.width);
            EXPECT_EQ(line.resolution->height, c.height);
        }
    }
}

TEST(SimgameCommandLine, KeepsTheArgumentTextForTheRunLine) {
    const ParsedCommandLine line = Parsed(
        "  \"C:\\UT\\System\\ut2003.exe\"   dm-antalus?game=engine.gameinfo -seconds=7 "
        "-exec=..\\Benchmark\\Stuff\\flybyexec.txt -1024x768  ");
    EXPECT_EQ(line.executable, "C:\\UT\\System\\ut2003.exe");
    EXPECT_EQ(line.argumentText,
              "dm-antalus?game=engine.gameinfo -seconds=7 "
              "-exec=..\\Benchmark\\Stuff\\flybyexec.txt -1024x768");
    EXPECT_EQ(line.mapUrl, "dm-antalus?game=engine.gameinfo");
    ASSERT_EQ(line.mapOptions.size(), 1u);
    EXPECT_EQ(line.mapOptions[0].first, "game");
    EXPECT_EQ(line.mapOptions[0].second, "engine.gameinfo");
}

// Every fixed line and both script forms the front-end builds must parse to what it meant.
TEST(SimgameCommandLine, ParsesEveryLineTheFrontEndBuilds) {
    std::vector<std::string> lines = StandardRunCommandLines(kGame, "1024x768");
    for (const auto& more :
         {EpicPresetCommandLines(kGame, "1280x960"),
          FlybyPresetCommandLines(kGame, "..\\Benchmark\\Stuff\\MinDetail.ini",
                                  "..\\Benchmark\\Stuff\\MinDetailUser.ini", "800x600"),
          BotmatchPresetCommandLines(kGame, "..\\System\\UT2003.ini", "..\\System\\User.ini",
                                     "1600x1200")}) {
        lines.insert(lines.end(), more.begin(), more.end());
    }
    const ScriptCommandLine flyby =
        ScriptFlybyCommandLine(kGame, {"DM-Antalus.ut2", "..\\Benchmark\\Stuff\\flybyexec.txt",
                                       "12", "..\\benchmark\\stuff\\maxdetail.ini",
                                       "..\\benchmark\\stuff\\maxdetailuser.ini", "640x480"});
    const ScriptCommandLine botmatch = ScriptBotmatchCommandLine(
        kGame, {"CTF-Face3.ut2", "8", "20", "..\\Benchmark\\Stuff\\botmatchexec.txt",
                "..\\System\\UT2003.ini", "..\\System\\User.ini", "1280x1024"});
    ASSERT_TRUE(flyby.ok() && botmatch.ok());
    lines.push_back(flyby.commandLine);
    lines.push_back(botmatch.commandLine);

    ASSERT_EQ(lines.size(), 23u);
    for (const std::string& text : lines) {
        SCOPED_TRACE(text);
        const ParsedCommandLine line = Parsed(text);
        EXPECT_EQ(line.executable, std::string(kGame) + "\\System\\ut2003.exe");
        const bool flybyExec = line.execFile.find("flybyexec") != std::string::npos;
        EXPECT_EQ(line.mode == GameMode::Flyby, flybyExec);
        EXPECT_EQ(line.botCount,
                  line.mode == GameMode::Botmatch ? (line.mapName == "CTF-Face3.ut2" ? 8 : 12) : 0);
        EXPECT_TRUE(line.benchmark);
        EXPECT_TRUE(line.noSound);
        EXPECT_GT(line.seconds, 0);
        EXPECT_FALSE(line.systemIni.empty());
        EXPECT_FALSE(line.userIni.empty());
        EXPECT_TRUE(line.resolution.has_value());
        // Every relative file lands inside the game folder.
        for (const std::string* path : {&line.execFile, &line.systemIni, &line.userIni}) {
            const std::string resolved = ResolveGamePath(std::string(kGame) + "\\System", *path);
            EXPECT_EQ(resolved.rfind(std::string(kGame) + "\\", 0), 0u) << resolved;
        }
    }
}

TEST(SimgameCommandLine, RefusesLinesItCannotRun) {
    const struct {
        const char* commandLine;
        const char* errorPart;
    } cases[] = {
        {"\"ut2003.exe\"", "No map"},
        {"\"ut2003.exe\" -benchmark -seconds=5", "No map"},
        {"\"ut2003.exe\" ini=..\\x.ini -seconds=5", "No map"},
        {"\"ut2003.exe\" ?game=engine.gameinfo -seconds=5", "No map"},
        {"\"ut2003.exe\" dm-antalus?game=engine.gameinfo -benchmark", "-seconds="},
        {"\"ut2003.exe\" dm-antalus -seconds=0", "Bad run time"},
        {"\"ut2003.exe\" dm-antalus -seconds=77s", "Bad run time"},
        {"\"ut2003.exe\" dm-antalus -seconds=100000", "Bad run time"},
        {"\"ut2003.exe\" dm-antalus?numbots=many -seconds=5", "Bad bot count"},
        {"\"ut2003.exe\" dm-antalus?numbots=33 -seconds=5", "Bad bot count"},
    };
    for (const auto& c : cases) {
        ParsedCommandLine line;
        std::string error;
        EXPECT_FALSE(ParseGameCommandLine(c.commandLine, &line, &error)) << c.commandLine;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.commandLine << ": " << error;
    }
}

TEST(SimgameCommandLine, MapFileNameAddsTheExtensionOnce) {
    EXPECT_EQ(MapFileName("dm-antalus"), "dm-antalus.ut2");
    EXPECT_EQ(MapFileName("DM-Asbestos.ut2"), "DM-Asbestos.ut2");
    EXPECT_EQ(MapFileName("DM-Asbestos.UT2"), "DM-Asbestos.UT2");
}

}  // namespace
}  // namespace tarvik::simgame
