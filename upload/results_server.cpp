#include "upload/results_server.h"

#include <cctype>
#include <string_view>

#include "base/format.h"

namespace tarvik {

namespace {

// Names as DNS and the address parser accept them: letters, digits, "-" and ".".
bool IsHostName(std::string_view host) {
    if (host.empty() || host.size() > 253 || host.front() == '.' || host.front() == '-') {
        return false;
    }
    for (const char c : host) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalnum(byte) && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

bool ParsePort(std::string_view text, std::uint16_t& port) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value < 1 || value > 65535) {
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

ResultsServerSetting Refused(const std::string& value, const char* reason) {
    ResultsServerSetting setting;
    setting.problem =
        Format("%s=\"%s\" is not used (%s); posting to %s instead.", kResultsServerVariable,
               value.c_str(), reason, ResultsServerName(setting.server).c_str());
    return setting;
}

}  // namespace

ResultsServerSetting ResultsServerFromSetting(const char* value) {
    ResultsServerSetting setting;
    if (!value || !*value) {
        return setting;
    }
    const std::string text = value;
    const std::size_t colon = text.find(':');
    const std::string_view host = std::string_view(text).substr(0, colon);
    if (!IsHostName(host)) {
        return Refused(text, "not a host name");
    }
    setting.server.host = std::string(host);
    if (colon != std::string::npos) {
        if (!ParsePort(std::string_view(text).substr(colon + 1), setting.server.port)) {
            return Refused(text, "the port must be a number from 1 to 65535");
        }
    }
    return setting;
}

std::string ResultsServerName(const ResultsServer& server) {
    if (server.port == kDefaultResultsPort) {
        return server.host;
    }
    return Format("%s:%u", server.host.c_str(), static_cast<unsigned>(server.port));
}

}  // namespace tarvik
