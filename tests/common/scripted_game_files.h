#pragma once
// GameFiles for tests: the CSV listing and the checksums come from a script, and every call is
// logged in order.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "results/game_files.h"

namespace tarvik {

class ScriptedGameFiles : public GameFiles {
  public:
    std::vector<std::string> ListCsvNames(const std::string& gameFolder) override {
        Log("list " + gameFolder);
        return csvNames;
    }
    std::optional<std::uint32_t> FileChecksum(const std::string& path) override {
        Log("crc " + path);
        const auto found = checksums.find(path);
        if (found == checksums.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    // What ListCsvNames gives, whatever game folder it is asked about.
    std::vector<std::string> csvNames;
    // By full path; a path not here cannot be read.
    std::map<std::string, std::uint32_t> checksums;
    // "list <game folder>" and "crc <path>", in call order.
    std::vector<std::string> calls;
    // When set, calls go to this log instead, so a test can see them among another fake's.
    std::vector<std::string>* sharedLog = nullptr;

  private:
    void Log(std::string call) { (sharedLog ? *sharedLog : calls).push_back(std::move(call)); }
};

}  // namespace tarvik
