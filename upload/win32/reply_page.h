#pragma once
// The server's reply as a local page, "upld.html", opened in the user's browser.
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

constexpr const char* kReplyPageName = "upld.html";
constexpr const char* kCantCreateReplyMessage = "Can't create upload file!";
constexpr const char* kCantCreateReplyCaption = "!";

// Where the page goes, best first: the internet cache folder, then the Windows directory's
// Temp folder. A place that cannot be determined is left out.
std::vector<std::string> ReplyPageCandidates();

// Writes the reply, replacing any earlier page, into the first candidate that can be created
// and written in full; a half-written file is removed. The path used, or nullopt.
std::optional<std::string> SaveReplyPage(const std::string& reply,
                                         const std::vector<std::string>& candidates);

// Opens the page with the shell's "open" verb; false when the shell refuses.
bool OpenReplyPage(const std::string& path);

}  // namespace tarvik
