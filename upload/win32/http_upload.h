#pragma once
// The form post to the results server through WinINet, and the server's reply.
#include <string>

#include "upload/results_server.h"

namespace tarvik {

constexpr const char* kUploadAgent = "MyNetSession";
constexpr const char* kUploadObject = "/upload.php";
constexpr const char* kUploadContentType = "Content-Type: application/x-www-form-urlencoded";
// The reply is read in blocks of at most this many bytes.
constexpr unsigned kUploadReadBlock = 1024;

struct UploadExchange {
    bool ok = false;
    std::string reply;    // the response body as received, whatever the status
    std::string failure;  // when not ok: the step that failed and WinINet's reason
};

// Posts body to "/upload.php" on the server and reads the whole reply. The reply is kept as it
// is, error pages included: the server explains refusals in the page itself.
UploadExchange PostUploadForm(const ResultsServer& server, const std::string& body);

}  // namespace tarvik
