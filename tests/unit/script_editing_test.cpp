#include "scripts/script_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik {
namespace {

TEST(DefaultRunTime, OnlyTheThreeKnownMapsExactly) {
    const struct {
        const char* map;
        const char* offered;  // with "77" pending
    } cases[] = {
        {"DM-Asbestos.ut2", "71"}, {"BR-Endagra.ut2", "70"},
        {"CTF-Face3.ut2", "116"},  {"dm-asbestos.ut2", "77"},
        {"CTF-Face3", "77"},       {"CTF-Face3.ut2 ", "77"},
        {"DM-Antalus.ut2", "77"},  {"", "77"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OfferedRunTime(c.map, kFirstRunTime), c.offered) << c.map;
        EXPECT_EQ(DefaultRunTime(c.map).has_value(), std::string(c.offered) != "77") << c.map;
    }
    // A map's own default wins over whatever run time it had.
    EXPECT_EQ(OfferedRunTime("CTF-Face3.ut2", "50"), "116");
    EXPECT_EQ(OfferedRunTime("DM-Antalus.ut2", "50"), "50");
}

SelectedMaps ThreeMaps() {
    SelectedMaps maps;
    EXPECT_EQ(maps.Add("DM-Antalus.ut2", "60"), "");
    EXPECT_EQ(maps.Add("CTF-Face3.ut2", "116"), "");
    EXPECT_EQ(maps.Add("BR-Endagra.ut2", "70"), "");
    return maps;
}

TEST(SelectedMaps, RemovingMovesTheLaterTimesUp) {
    SelectedMaps maps = ThreeMaps();
    EXPECT_TRUE(maps.Remove(1));
    EXPECT_EQ(maps.Maps(),
              (std::vector<ScriptMap>{{"DM-Antalus.ut2", "60"}, {"BR-Endagra.ut2", "70"}}));
    EXPECT_FALSE(maps.Remove(2));
    EXPECT_TRUE(maps.Remove(1));
    EXPECT_TRUE(maps.Remove(0));
    EXPECT_TRUE(maps.Empty());
    EXPECT_FALSE(maps.Remove(0));
}

TEST(SelectedMaps, ChangingOneTimeLeavesTheOthers) {
    SelectedMaps maps = ThreeMaps();
    EXPECT_EQ(maps.ChangeSeconds(2, "12345"), "");
    EXPECT_EQ(maps.ChangeSeconds(0, "abc"), "");  // not numeric: the user's own choice
    EXPECT_EQ(maps.Maps(), (std::vector<ScriptMap>{{"DM-Antalus.ut2", "abc"},
                                                   {"CTF-Face3.ut2", "116"},
                                                   {"BR-Endagra.ut2", "12345"}}));
    EXPECT_EQ(maps.ChangeSeconds(3, "1"), "There is no selected map number 4.");
}

struct RefusalCase {
    const char* what;
    std::string map;
    std::string seconds;
    std::string message;  // empty: added
};

TEST(SelectedMaps, RefusesWhatAScriptCouldNotRun) {
    const std::string name29 = std::string(25, 'M') + ".ut2";
    const std::string name30 = std::string(26, 'M') + ".ut2";
    const RefusalCase cases[] = {
        {"29 characters", name29, "60", ""},
        {"30 characters", name30, "60",
         "The map name \"" + name30 +
             "\" is longer than 29 characters, so a script could not "
             "run it."},
        {"five characters of time", "DM-A.ut2", "99999", ""},
        {"six characters of time", "DM-A.ut2", "123456",
         "The run time \"123456\" is longer than 5 characters, so \"DM-A.ut2\" was not added."},
        {"empty time", "DM-A.ut2", "", ""},
    };
    for (const RefusalCase& c : cases) {
        SelectedMaps maps = ThreeMaps();
        EXPECT_EQ(maps.AddProblem(c.map), c.map == name30 ? c.message : "") << c.what;
        EXPECT_EQ(maps.Add(c.map, c.seconds), c.message) << c.what;
        EXPECT_EQ(maps.Count(), c.message.empty() ? 4u : 3u) << c.what;
        if (c.message.empty()) {
            EXPECT_EQ(maps.Maps().back(), (ScriptMap{c.map, c.seconds})) << c.what;
        }
    }
}

TEST(SelectedMaps, TooLongTimeKeepsTheOldOne) {
    SelectedMaps maps = ThreeMaps();
    EXPECT_EQ(maps.ChangeSeconds(1, "123456"),
              "The run time \"123456\" is longer than 5 characters, so \"CTF-Face3.ut2\" keeps its "
              "run time of 116.");
    EXPECT_EQ(maps.Maps()[1].seconds, "116");
}

TEST(SelectedMaps, ThirtyFirstMapIsRefused) {
    SelectedMaps maps;
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(maps.Add("DM-Map" + std::to_string(i) + ".ut2", "60"), "") << i;
    }
    const std::string refusal =
        "A script can run at most 30 maps: remove one before adding \"DM-Last.ut2\".";
    EXPECT_EQ(maps.AddProblem("DM-Last.ut2"), refusal);
    EXPECT_EQ(maps.Add("DM-Last.ut2", "60"), refusal);
    EXPECT_EQ(maps.Count(), 30u);
    EXPECT_EQ(maps.Maps().back().map, "DM-Map29.ut2");
    ASSERT_TRUE(maps.Remove(0));
    EXPECT_EQ(maps.Add("DM-Last.ut2", "60"), "");
}

TEST(SelectedMaps, LoadKeepsValuesAsTheyStandButNoMoreThanThirty) {
    std::vector<ScriptMap> loaded;
    loaded.push_back({std::string(40, 'L') + ".ut2", "1234567"});
    for (int i = 1; i < 32; ++i) {
        loaded.push_back({"DM-" + std::to_string(i) + ".ut2", std::to_string(i)});
    }
    SelectedMaps maps = ThreeMaps();
    maps.Load(loaded);
    EXPECT_EQ(maps.Maps(), std::vector<ScriptMap>(loaded.begin(), loaded.begin() + 30));
    maps.Load({});
    EXPECT_TRUE(maps.Empty());
}

}  // namespace
}  // namespace tarvik
