#include "app/game_location.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

const InstallationKey kMissing{};
InstallationKey Key(const char* folder) {
    return {true, std::string(folder)};
}

TEST(LocateGame, FullGameWinsAndDemoIsTheFallback) {
    struct Case {
        const char* name;
        InstallationKey full, demo;
        std::string folder;
        bool demoFlag;
    };
    const Case cases[] = {
        {"full only", Key("C:\\Games\\UT2003"), kMissing, "C:\\Games\\UT2003", false},
        {"demo only", kMissing, Key("D:\\UT Demo\\"), "D:\\UT Demo\\", true},
        {"both", Key("C:\\Full"), Key("C:\\Demo"), "C:\\Full", false},
        // The full game's key without a readable value: empty folder, demo key not consulted.
        {"full key without value", {true, std::nullopt}, Key("C:\\Demo"), "", false},
    };
    for (const Case& c : cases) {
        const GameLocation location = LocateGame(c.full, c.demo);
        EXPECT_TRUE(location.found) << c.name;
        EXPECT_EQ(location.gameFolder, c.folder) << c.name;
        EXPECT_EQ(location.isDemo, c.demoFlag) << c.name;
        EXPECT_TRUE(location.error.empty()) << c.name;
    }
}

TEST(LocateGame, NeitherKeyIsTheExactFailure) {
    const GameLocation location = LocateGame(kMissing, kMissing);
    EXPECT_FALSE(location.found);
    EXPECT_EQ(location.error, "Failed to find directory for FULL Version or DEMO of UT2K3!");
    EXPECT_EQ(location.errorCaption, "error!");
}

TEST(LocateGame, FolderOverTheCapacityIsRefusedNotCut) {
    const std::string fits(199, 'a');
    EXPECT_TRUE(LocateGame({true, fits}, kMissing).found);
    const std::string tooLong(200, 'a');
    const GameLocation location = LocateGame({true, tooLong}, kMissing);
    EXPECT_FALSE(location.found);
    EXPECT_EQ(location.errorCaption, "error!");
    EXPECT_NE(location.error.find("too long (200 characters"), std::string::npos) << location.error;
    EXPECT_NE(location.error.find(tooLong), std::string::npos);
}

}  // namespace
}  // namespace tarvik
