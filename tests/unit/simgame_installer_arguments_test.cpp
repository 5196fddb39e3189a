#include "tools/simgame/installer_arguments.h"

#include <gtest/gtest.h>

namespace tarvik::simgame {
namespace {

TEST(SimgameInstallerArguments, ReadsTheRequest) {
    const struct {
        std::vector<std::string> arguments;
        Edition edition;
        Registration registration;
        const char* fullFolder;
        const char* demoFolder;
    } cases[] = {
        {{"--folder", "C:\\Games\\UT2003", "--edition", "full", "--register", "full"},
         Edition::Full,
         Registration::Full,
         "C:\\Games\\UT2003",
         ""},
        {{"--folder", "C:\\UT2003Demo", "--edition", "demo"},
         Edition::Demo,
         Registration::Demo,
         "",
         "C:\\UT2003Demo"},
        {{"--folder", "C:\\UT", "--edition", "full", "--register", "both", "--demo-folder",
          "C:\\Demo"},
         Edition::Full,
         Registration::Both,
         "C:\\UT",
         "C:\\Demo"},
        {{"--folder", "C:\\UT", "--register", "none"},
         Edition::Full,
         Registration::None,
         "C:\\UT",
         ""},
        {{"--register", "none"}, Edition::Full, Registration::None, "", ""},
    };
    for (const auto& c : cases) {
        InstallerRequest request;
        std::string error;
        ASSERT_TRUE(ParseInstallerArguments(c.arguments, &request, &error)) << error;
        EXPECT_EQ(request.edition, c.edition);
        EXPECT_EQ(request.registration, c.registration);
        EXPECT_EQ(request.FullFolder(), c.fullFolder);
        EXPECT_EQ(request.DemoFolder(), c.demoFolder);
    }
}

TEST(SimgameInstallerArguments, RefusesWhatItCannotDo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--folder"},
        {"--folder", "C:\\UT", "--edition", "gold"},
        {"--folder", "C:\\UT", "--register", "all"},
        {"--folder", "C:\\UT", "--colour", "red"},
        {"--folder", "C:\\UT", "--edition", "demo", "--register", "full"},
        {"--folder", "C:\\UT", "--register", "both"},
        {"--folder", "C:\\UT", "--register", "demo"},
    };
    for (const auto& arguments : cases) {
        InstallerRequest request;
        std::string error;
        EXPECT_FALSE(ParseInstallerArguments(arguments, &request, &error));
        EXPECT_FALSE(error.empty());
    }
    InstallerRequest request;
    std::string error;
    ASSERT_TRUE(ParseInstallerArguments({"--help"}, &request, &error));
    EXPECT_TRUE(request.help);
}

}  // namespace
}  // namespace tarvik::simgame
