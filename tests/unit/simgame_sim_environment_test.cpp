#include "tools/simgame/sim_environment.h"

#include <gtest/gtest.h>

namespace tarvik::simgame {
namespace {

TEST(SimgameEnvironment, FailureSwitches) {
    const struct {
        const char* text;
        Failure failure;
        int onlyRun;
    } cases[] = {
        {"", Failure::None, 0},
        {"no-csv", Failure::NoCsv, 0},
        {"truncated", Failure::Truncated, 0},
        {"CRASH", Failure::Crash, 0},
        {" exit ", Failure::Exit, 0},
        {"hang", Failure::Hang, 0},
        {"no-csv@2", Failure::NoCsv, 2},
        {"crash@11", Failure::Crash, 11},
    };
    for (const auto& c : cases) {
        FailureSwitch parsed;
        std::string error;
        ASSERT_TRUE(ParseFailureSwitch(c.text, &parsed, &error)) << c.text << ": " << error;
        EXPECT_EQ(parsed.failure, c.failure) << c.text;
        EXPECT_EQ(parsed.onlyRun, c.onlyRun) << c.text;
    }
    for (const char* bad : {"nocsv", "crash@", "crash@0", "crash@x", "hang@-1", "@2"}) {
        FailureSwitch parsed;
        std::string error;
        EXPECT_FALSE(ParseFailureSwitch(bad, &parsed, &error)) << bad;
        EXPECT_NE(error.find(kFailVariable), std::string::npos) << error;
    }
}

TEST(SimgameEnvironment, FailureAppliesOnlyToItsRun) {
    const FailureSwitch everyRun{Failure::Crash, 0};
    const FailureSwitch secondRun{Failure::NoCsv, 2};
    EXPECT_EQ(FailureForRun(everyRun, 1), Failure::Crash);
    EXPECT_EQ(FailureForRun(everyRun, 0), Failure::Crash);
    EXPECT_EQ(FailureForRun(secondRun, 1), Failure::None);
    EXPECT_EQ(FailureForRun(secondRun, 2), Failure::NoCsv);
    EXPECT_EQ(FailureForRun(secondRun, 3), Failure::None);
}

TEST(SimgameEnvironment, TimeScale) {
    const struct {
        const char* text;
        bool ok;
        double scale;
    } cases[] = {
        {"", true, 1.0},     {"0", true, 0.0},     {"0.25", true, 0.25}, {" 2 ", true, 2.0},
        {"-1", false, 0.0},  {"fast", false, 0.0}, {"1x", false, 0.0},   {"nan", false, 0.0},
        {"inf", false, 0.0}, {"5000", false, 0.0},
    };
    for (const auto& c : cases) {
        double scale = -7.0;
        std::string error;
        EXPECT_EQ(ParseTimeScale(c.text, &scale, &error), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(scale, c.scale) << c.text;
        }
    }
}

TEST(SimgameEnvironment, ProcessorOverride) {
    ProcessorOverride processor;
    std::string error;
    ASSERT_TRUE(ParseProcessorOverride("AMD Athlon(tm) XP 2700+ | 2166", &processor, &error));
    EXPECT_EQ(processor.name, "AMD Athlon(tm) XP 2700+");
    EXPECT_EQ(processor.clockMhz, 2166);
    ASSERT_TRUE(ParseProcessorOverride("Odd|Name|1800", &processor, &error));
    EXPECT_EQ(processor.name, "Odd|Name");
    for (const char* bad : {"", "Athlon", "Athlon|", "|2000", "Athlon|0", "Athlon|fast"}) {
        EXPECT_FALSE(ParseProcessorOverride(bad, &processor, &error)) << bad;
    }
}

TEST(SimgameEnvironment, ClockAndLogLines) {
    EXPECT_EQ(RoundedClockMhz(2394.6), 2390);
    EXPECT_EQ(RoundedClockMhz(2395.1), 2400);
    EXPECT_EQ(RoundedClockMhz(0.0), 0);
    EXPECT_EQ(CountLogLines(""), 0);
    EXPECT_EQ(CountLogLines("a\r\n"), 1);
    EXPECT_EQ(CountLogLines("a\r\nb\r\n"), 2);
    EXPECT_EQ(CountLogLines("a\r\nb"), 2);
}

}  // namespace
}  // namespace tarvik::simgame
