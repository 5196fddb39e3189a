#pragma once
// The installed game's version, from its manifest.
#include <string>

namespace tarvik {

// The "version" of section "UT2003" in "<gameFolder>\System\Manifest.ini"; empty when the file
// or the key is missing.
std::string ReadGameVersion(const std::string& gameFolder);

}  // namespace tarvik
