#pragma once
// Where the About tab sends its visitors: the project's own pages. The online database and its
// hosting are the results server the scores are uploaded to.
#include <string>

#include "upload/results_server.h"

namespace tarvik {

constexpr const char* kDeveloperAddress = "http://www.tarvik.net/";
constexpr const char* kSponsorAddress = "http://www.tarvik.net/sponsor/";

inline std::string ResultsSiteAddress() {
    return std::string("http://") + kDefaultResultsHost + "/";
}

constexpr const char* kProgramInfoTooltip = "View Program Info";

}  // namespace tarvik
