#include "bench/command_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

const std::string kFolder = R"(C:\UT2003)";

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i;
    }
}

TEST(CommandLines, StandardRunLines) {
    ExpectLines(
        StandardRunCommandLines(kFolder, "1024x768"),
        {
            R"("C:\UT2003\System\ut2003.exe" dm-antalus?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\CustomMaxSystem.ini userini=..\Benchmark\Stuff\CustomMaxUser.ini -UPT -1024x768)",
            R"("C:\UT2003\System\ut2003.exe" dm-asbestos?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=70 -nosound ini=..\Benchmark\Stuff\CustomMaxSystem.ini userini=..\Benchmark\Stuff\CustomMaxUser.ini -UPT -1024x768)",
            R"("C:\UT2003\System\ut2003.exe" dm-antalus?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\CustomMaxSystem.ini userini=..\Benchmark\Stuff\CustomMaxUser.ini -UPT -1024x768)",
            R"("C:\UT2003\System\ut2003.exe" dm-asbestos?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\CustomMaxSystem.ini userini=..\Benchmark\Stuff\CustomMaxUser.ini -UPT -1024x768)",
        });
}

TEST(CommandLines, EpicPresetLinesEndInUptAndTheResolution) {
    ExpectLines(
        EpicPresetCommandLines(kFolder, "1280x960"),
        {
            R"("C:\UT2003\System\ut2003.exe" dm-antalus?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -UPT -1280x960)",
            R"("C:\UT2003\System\ut2003.exe" dm-asbestos?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=70 -nosound ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -UPT -1280x960)",
            R"("C:\UT2003\System\ut2003.exe" dm-antalus?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -UPT -1280x960)",
            R"("C:\UT2003\System\ut2003.exe" dm-asbestos?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -UPT -1280x960)",
        });
}

TEST(CommandLines, FlybyPresetLinesCarryTheChosenIniPairWithoutUpt) {
    ExpectLines(
        FlybyPresetCommandLines(kFolder, R"(..\Benchmark\Stuff\MinDetail.ini)",
                                R"(..\Benchmark\Stuff\MinDetailUser.ini)", "640x480"),
        {
            R"("C:\UT2003\System\ut2003.exe" ctf-face3?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=116 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" ctf-citadel?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" dm-antalus?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" dm-asbestos?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=71 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" dm-inferno?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" dom-suntemple?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
            R"("C:\UT2003\System\ut2003.exe" dm-phobos2?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)",
        });
}

TEST(CommandLines, BotmatchPresetLinesPlayTwelveBots) {
    // The ini pair is passed in a different order from the file names, to catch a swap.
    ExpectLines(
        BotmatchPresetCommandLines(R"(D:\Games\UT 2003)", R"(..\System\UT2003.ini)",
                                   R"(..\System\User.ini)", "1600x1200"),
        {
            R"("D:\Games\UT 2003\System\ut2003.exe" ctf-face3?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
            R"("D:\Games\UT 2003\System\ut2003.exe" dm-antalus?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
            R"("D:\Games\UT 2003\System\ut2003.exe" br-icefields?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
            R"("D:\Games\UT 2003\System\ut2003.exe" dm-inferno?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
            R"("D:\Games\UT 2003\System\ut2003.exe" dom-outrigger?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
            R"("D:\Games\UT 2003\System\ut2003.exe" ctf-citadel?spectatoronly=true?numbots=12?quickstart=true?attractcam=true -exec=..\Benchmark\Stuff\botmatchexec.txt -benchmark -seconds=77 -nosound ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)",
        });
}

TEST(CommandLines, PercentSignsInValuesArePassedThrough) {
    const auto lines = FlybyPresetCommandLines(R"(C:\100%s)", "a%d.ini", "b%n.ini", "800x600");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(
        lines[0],
        R"("C:\100%s\System\ut2003.exe" ctf-face3?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=116 -nosound ini=a%d.ini userini=b%n.ini -800x600)");
}

TEST(CommandLines, ResolutionList) {
    const std::vector<std::string> expected{"640x480",  "800x600",   "1024x768",
                                            "1280x960", "1280x1024", "1600x1200"};
    ASSERT_EQ(kResolutions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kResolutions[i], expected[i]);
    }
}

ScriptFlybyRun SampleFlyby() {
    return {"DM-Gael",
            R"(..\Benchmark\Stuff\flybyexec.txt)",
            "60",
            R"(..\Benchmark\Stuff\MaxDetail.ini)",
            R"(..\Benchmark\Stuff\MaxDetailUser.ini)",
            "1280x1024"};
}

ScriptBotmatchRun SampleBotmatch() {
    return {"DM-Gael",
            "8",
            "90",
            R"(..\Benchmark\Stuff\botmatchexec.txt)",
            R"(..\Benchmark\Stuff\MinDetail.ini)",
            R"(..\Benchmark\Stuff\MinDetailUser.ini)",
            "800x600"};
}

TEST(ScriptCommandLines, FlybyFormFillsEveryPlaceholderInOrder) {
    const ScriptCommandLine line = ScriptFlybyCommandLine(kFolder, SampleFlyby());
    EXPECT_TRUE(line.ok()) << line.error;
    EXPECT_EQ(
        line.commandLine,
        R"("C:\UT2003\System\ut2003.exe" DM-Gael?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=60 -nosound ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)");
}

TEST(ScriptCommandLines, BotmatchFormPutsExecAfterSeconds) {
    const ScriptCommandLine line = ScriptBotmatchCommandLine(kFolder, SampleBotmatch());
    EXPECT_TRUE(line.ok()) << line.error;
    EXPECT_EQ(
        line.commandLine,
        R"("C:\UT2003\System\ut2003.exe" DM-Gael?spectatoronly=true?numbots=8?quickstart=true?attractcam=true -benchmark -seconds=90 -exec=..\Benchmark\Stuff\botmatchexec.txt -nosound ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -800x600)");
}

TEST(ScriptCommandLines, FourHundredNinetyNineCharactersFitFiveHundredAreRefused) {
    ScriptFlybyRun run = SampleFlyby();
    const std::size_t baseLength = ScriptFlybyCommandLine(kFolder, run).commandLine.size();
    ASSERT_LT(baseLength, 499u);
    const std::string baseIni = run.systemIni;

    run.systemIni = baseIni + std::string(499 - baseLength, 'x');
    const ScriptCommandLine fits = ScriptFlybyCommandLine(kFolder, run);
    EXPECT_TRUE(fits.ok()) << fits.error;
    EXPECT_EQ(fits.commandLine.size(), 499u);

    run.systemIni = baseIni + std::string(500 - baseLength, 'x');
    const ScriptCommandLine refused = ScriptFlybyCommandLine(kFolder, run);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.commandLine.empty());
    EXPECT_EQ(refused.error,
              "Can't form the command line for map DM-Gael: the command line would be 500 "
              "characters long, and a script command line holds at most 499.");

    ScriptBotmatchRun botmatch = SampleBotmatch();
    botmatch.map = "DM-" + std::string(600, 'L');
    const ScriptCommandLine longMap = ScriptBotmatchCommandLine(kFolder, botmatch);
    EXPECT_FALSE(longMap.ok());
    EXPECT_TRUE(longMap.commandLine.empty());
    EXPECT_NE(longMap.error.find("holds at most 499"), std::string::npos) << longMap.error;
}

TEST(ScriptCommandLines, QuotesAndControlCharactersAreRefusedNamingTheValue) {
    struct Case {
        void (*spoil)(ScriptBotmatchRun&);
        const char* expectedError;
    };
    const Case cases[] = {
        {[](ScriptBotmatchRun& r) { r.userIni = R"(..\My "best".ini)"; },
         "Can't form the command line for map DM-Gael: the user ini contains a double quote, "
         "which the game's command line cannot carry."},
        {[](ScriptBotmatchRun& r) { r.execFile = "exec.txt\r\n"; },
         "Can't form the command line for map DM-Gael: the exec file contains a control "
         "character, which the game's command line cannot carry."},
        {[](ScriptBotmatchRun& r) { r.botCount = std::string("1\t2"); },
         "Can't form the command line for map DM-Gael: the bot count contains a control "
         "character, which the game's command line cannot carry."},
        {[](ScriptBotmatchRun& r) { r.resolution = "800x600\x7F"; },
         "Can't form the command line for map DM-Gael: the resolution contains a control "
         "character, which the game's command line cannot carry."},
    };
    for (const Case& c : cases) {
        ScriptBotmatchRun run = SampleBotmatch();
        c.spoil(run);
        const ScriptCommandLine line = ScriptBotmatchCommandLine(kFolder, run);
        EXPECT_FALSE(line.ok());
        EXPECT_TRUE(line.commandLine.empty());
        EXPECT_EQ(line.error, c.expectedError);
    }

    ScriptFlybyRun flyby = SampleFlyby();
    flyby.seconds = std::string(
        "6\0"
        "0",
        3);
    EXPECT_EQ(ScriptFlybyCommandLine(kFolder, flyby).error,
              "Can't form the command line for map DM-Gael: the seconds value contains a control "
              "character, which the game's command line cannot carry.");
    EXPECT_FALSE(ScriptFlybyCommandLine(R"(C:\"UT")", SampleFlyby()).ok());
}

TEST(ScriptCommandLines, Windows1252CharactersAreKept) {
    ScriptFlybyRun run = SampleFlyby();
    run.map = "DM-Caf\xE9";
    const ScriptCommandLine line = ScriptFlybyCommandLine(kFolder, run);
    EXPECT_TRUE(line.ok()) << line.error;
    EXPECT_NE(line.commandLine.find(" DM-Caf\xE9?game="), std::string::npos);
}

}  // namespace
}  // namespace tarvik
