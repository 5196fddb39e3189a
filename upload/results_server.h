#pragma once
// Where "Online Results" posts: a host name built into the program, which a test or a private
// deployment can replace through an environment variable.
#include <cstdint>
#include <string>

namespace tarvik {

constexpr const char* kDefaultResultsHost = "results.tarvik.net";
constexpr std::uint16_t kDefaultResultsPort = 80;
// Holds "host" or "host:port".
constexpr const char* kResultsServerVariable = "TARVIK_RESULTS_SERVER";

struct ResultsServer {
    std::string host = kDefaultResultsHost;
    std::uint16_t port = kDefaultResultsPort;
};

struct ResultsServerSetting {
    ResultsServer server;
    // Empty when the variable was unset, empty or valid; otherwise why it was not used (the
    // default server is then used).
    std::string problem;
};

// Reads the variable's value (nullptr when it is not set).
ResultsServerSetting ResultsServerFromSetting(const char* value);

// "host" for port 80, else "host:port": how messages name the server.
std::string ResultsServerName(const ResultsServer& server);

}  // namespace tarvik
