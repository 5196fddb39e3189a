#include "bench/presets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

constexpr char kFolder[] = R"(C:\UT2003)";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Presets, EachChoiceReachesTheGameAsItsLinesSay) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::size_t runs;
        const char* firstMap;
        const char* ending;  // of every line
    };
    const Case cases[] = {
        {"Epic at 1280x960", EpicRunLines(kFolder, 3), 4, "dm-antalus?",
         R"(ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -UPT -1280x960)"},
        {"Epic's default", EpicRunLines(kFolder, -1), 4, "dm-antalus?", " -UPT -800x600"},
        {"Orlimar flyby, high detail, 1280x1024",
         OrlimarRunLines(kFolder, OrlimarMode::kFlyby, 0, 3), 7, "ctf-face3?",
         R"(ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)"},
        {"Orlimar botmatch, low detail", OrlimarRunLines(kFolder, OrlimarMode::kBotmatch, 1, 0), 6,
         "ctf-face3?spectatoronly=true?numbots=12",
         R"(ini=..\Benchmark\Stuff\MinDetail.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)"},
        {"Orlimar with the player's own settings",
         OrlimarRunLines(kFolder, OrlimarMode::kFlyby, 2, 4), 7, "ctf-face3?",
         R"(ini=..\System\UT2003.ini userini=..\System\User.ini -1600x1200)"},
        {"Orlimar choices out of their lists", OrlimarRunLines(kFolder, OrlimarMode::kFlyby, 7, 9),
         7, "ctf-face3?",
         R"(ini=..\Benchmark\Stuff\MaxDetail.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1024x768)"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.lines.size(), c.runs) << c.what;
        EXPECT_NE(c.lines[0].find(std::string(" ") + c.firstMap), std::string::npos)
            << c.what << ": " << c.lines[0];
        for (const std::string& line : c.lines) {
            EXPECT_TRUE(EndsWith(line, c.ending)) << c.what << ": " << line;
        }
    }
}

TEST(Presets, OnlyEpicOffers1280x960) {
    EXPECT_STREQ(kEpicResolutions[3], "1280x960");
    EXPECT_STREQ(kOrlimarResolutions[3], "1280x1024");
    EXPECT_EQ(OrlimarResolution(kOrlimarDefaultResolution), "1024x768");
    EXPECT_STREQ(OrlimarDetail(2).name, "Game Detail");
}

}  // namespace
}  // namespace tarvik
