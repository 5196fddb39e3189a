#include "upload/results_server.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

TEST(ResultsServer, ReadsHostAndPortOrFallsBackToTheDefault) {
    const struct {
        const char* value;
        const char* host;
        unsigned port;
        bool refused;
    } cases[] = {
        {nullptr, "results.tarvik.net", 80, false},
        {"", "results.tarvik.net", 80, false},
        {"127.0.0.1", "127.0.0.1", 80, false},
        {"scores.example.org", "scores.example.org", 80, false},
        {"127.0.0.1:8080", "127.0.0.1", 8080, false},
        {"localhost:1", "localhost", 1, false},
        {"localhost:65535", "localhost", 65535, false},
        {"localhost:0", "results.tarvik.net", 80, true},
        {"localhost:65536", "results.tarvik.net", 80, true},
        {"localhost:99999999999", "results.tarvik.net", 80, true},
        {"localhost:", "results.tarvik.net", 80, true},
        {"localhost:80a", "results.tarvik.net", 80, true},
        {"localhost:-1", "results.tarvik.net", 80, true},
        {"localhost:8080:1", "results.tarvik.net", 80, true},
        {":8080", "results.tarvik.net", 80, true},
        {"http://example.org", "results.tarvik.net", 80, true},
        {"bad host", "results.tarvik.net", 80, true},
        {"example.org/upload.php", "results.tarvik.net", 80, true},
    };
    for (const auto& c : cases) {
        const char* shown = c.value ? c.value : "(unset)";
        const ResultsServerSetting setting = ResultsServerFromSetting(c.value);
        EXPECT_EQ(setting.server.host, c.host) << shown;
        EXPECT_EQ(setting.server.port, c.port) << shown;
        EXPECT_EQ(!setting.problem.empty(), c.refused) << shown;
    }
}

TEST(ResultsServer, RefusalSaysWhatAndWhy) {
    EXPECT_EQ(ResultsServerFromSetting("localhost:70000").problem,
              "TARVIK_RESULTS_SERVER=\"localhost:70000\" is not used (the port must be a number "
              "from 1 to 65535); posting to results.tarvik.net instead.");
    EXPECT_EQ(ResultsServerFromSetting("a b").problem,
              "TARVIK_RESULTS_SERVER=\"a b\" is not used (not a host name); posting to "
              "results.tarvik.net instead.");
}

TEST(ResultsServer, NameShowsThePortOnlyWhenNotTheDefault) {
    EXPECT_EQ(ResultsServerName(ResultsServer{}), "results.tarvik.net");
    EXPECT_EQ(ResultsServerName(ResultsServer{"127.0.0.1", 8080}), "127.0.0.1:8080");
}

}  // namespace
}  // namespace tarvik
