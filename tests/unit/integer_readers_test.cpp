// The three places that read a number the way atoi does, side by side: the processor clock of a
// CSV header, the map count of a script and the number of a backup file name. Each column is
// what that reader gives today, so a shared reader must leave every one of them as it is.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <optional>
#include <string>

#include "results/csv_parser.h"
#include "scripts/ini_ex.h"
#include "scripts/script_format.h"
#include "tests/common/recording_prompt.h"
#include "tests/common/temp_folder_test.h"

namespace tarvik {
namespace {

class IntegerReadersTest : public TempFolderTest {
  protected:
    // The maps a run takes from "nmaps"; above the limit, the count its refusal names.
    long long ScriptMapCount(const std::string& nmaps) const {
        const std::string path = Write("count.tvx", "[MAPS]\nnmaps=" + nmaps + "\n");
        RecordingPrompt prompt;
        const std::optional<ScriptRun> run = LoadScriptForRun(path, "800x600", false, prompt);
        if (run) {
            return static_cast<long long>(run->maps.size());
        }
        long long count = -1;
        if (prompt.messages.size() != 1 ||
            std::sscanf(prompt.messages[0].text.c_str(), "The script has %lld maps", &count) != 1) {
            ADD_FAILURE() << "unexpected refusal for nmaps=" << nmaps;
        }
        return count;
    }
};

struct ReaderRow {
    const char* input;
    int clock;             // CpuMhzFromHeader("CPU @ <input> MHz")
    long long scriptMaps;  // a script whose "nmaps" is the input
    int backupSuffix;      // BackupSuffixNumber(<input>): its last three characters
};

TEST_F(IntegerReadersTest, EachReaderKeepsItsResults) {
    const ReaderRow rows[] = {
        {"", 0, 0, 0},
        {"-", 0, 0, 0},
        {"+", 0, 0, 0},
        {"7", 7, 7, 7},
        {"+7", 7, 7, 7},
        {"-7", -7, 0, -7},
        {"007", 7, 7, 7},
        {"  12", 12, 12, 12},
        {"\t12", 0, 12, 0},
        {" \t 12", 0, 12, 12},
        {"\r9", 0, 9, 0},
        {"\v9", 0, 9, 0},
        {"12abc", 12, 12, 0},
        {"12 34", 12, 12, 34},
        {"- 5", 0, 0, 0},
        {"+-1", 0, 0, 0},
        {"  -0012x", -12, 0, 12},
        {"2147483647", INT_MAX, INT_MAX, 647},
        {"2147483648", INT_MAX, INT_MAX, 648},
        {"99999999999999999999", INT_MAX, INT_MAX, 999},
        {"-2147483647", -INT_MAX, 0, 647},
        {"-2147483648", INT_MIN, 0, 648},
        {"-99999999999999999999", INT_MIN, 0, 999},
    };
    for (const ReaderRow& row : rows) {
        const std::string input = row.input;
        EXPECT_EQ(CpuMhzFromHeader("CPU @ " + input + " MHz"), row.clock) << '"' << input << '"';
        EXPECT_EQ(ScriptMapCount(input), row.scriptMaps) << '"' << input << '"';
        EXPECT_EQ(BackupSuffixNumber(input), row.backupSuffix) << '"' << input << '"';
    }
}

}  // namespace
}  // namespace tarvik
