#include "bench/script_run.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

constexpr char kGame[] = R"(C:\Games\UT2003)";

TEST(ResolveScriptIni, LooksInTheGameFolderAndPassesPathsInsideItRelative) {
    const struct {
        const char* value;
        const char* checked;
        const char* passed;
    } cases[] = {
        {R"(..\benchmark\stuff\maxdetail.ini)", R"(c:\games\ut2003\benchmark\stuff\maxdetail.ini)",
         R"(..\benchmark\stuff\maxdetail.ini)"},
        {R"(..\Benchmark\Stuff\MaxDetail.ini)", R"(c:\games\ut2003\Benchmark\Stuff\MaxDetail.ini)",
         R"(..\benchmark\stuff\maxdetail.ini)"},
        {R"(c:\GAMES\ut2003\System\UT2003.ini)", R"(c:\GAMES\ut2003\System\UT2003.ini)",
         R"(..\system\ut2003.ini)"},
        {R"(D:\Settings\My User.ini)", R"(D:\Settings\My User.ini)", R"(D:\Settings\My User.ini)"},
        // Another folder whose name starts with the game folder's is outside it.
        {R"(C:\Games\UT2003Demo\System\User.ini)", R"(C:\Games\UT2003Demo\System\User.ini)",
         R"(C:\Games\UT2003Demo\System\User.ini)"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const ScriptIniPath path = ResolveScriptIni(c.value, kGame);
        EXPECT_EQ(path.checked, c.checked) << c.value;
        EXPECT_EQ(path.passed, c.passed) << c.value;
    }
}

TEST(ScriptRunLines, OneLinePerMapInOrderInTheScriptsForm) {
    ScriptRun run;
    run.resolution = "1280x1024";
    run.flyby = false;
    run.botCount = "8";
    run.execFile = kBotmatchExecFile;
    run.maps = {{"DM-Inferno.ut2", "60"}, {"CTF-Face3.ut2", "116"}};
    const auto botmatch = ScriptRunLines(kGame, run, "..\\s.ini", "D:\\u.ini");
    ASSERT_EQ(botmatch.size(), 2u);
    EXPECT_EQ(botmatch[1].commandLine,
              "\"C:\\Games\\UT2003\\System\\ut2003.exe\" "
              "CTF-Face3.ut2?spectatoronly=true?numbots=8?quickstart=true?attractcam=true "
              "-benchmark -seconds=116 -exec=..\\Benchmark\\Stuff\\botmatchexec.txt -nosound "
              "ini=..\\s.ini userini=D:\\u.ini -1280x1024");

    run.flyby = true;
    run.execFile = kFlybyExecFile;
    const auto flyby = ScriptRunLines(kGame, run, "..\\s.ini", "D:\\u.ini");
    ASSERT_EQ(flyby.size(), 2u);
    EXPECT_EQ(flyby[0].commandLine,
              "\"C:\\Games\\UT2003\\System\\ut2003.exe\" "
              "DM-Inferno.ut2?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
              "-benchmark -seconds=60 -nosound ini=..\\s.ini userini=D:\\u.ini -1280x1024");
}

}  // namespace
}  // namespace tarvik
