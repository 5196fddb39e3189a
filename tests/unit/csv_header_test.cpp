#include "results/csv_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

using Lines = std::vector<std::string>;

TEST(ReadHeaderLines, SixLinesWithoutTheirEndsCutAndPadded) {
    const std::string longLine(600, 'x');
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"crlf", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n", {"a", "b", "c", "d", "e", "f"}},
        {"lf and no final end", "a\nb\nc", {"a", "b", "c", "", "", ""}},
        {"empty", "", {"", "", "", "", "", ""}},
        {"long line cut, its rest skipped",
         longLine + "\r\nnext\r\n",
         {std::string(498, 'x'), "next", "", "", "", ""}},
        {"498 characters and a CR LF",
         std::string(498, 'y') + "\r\nz",
         {std::string(498, 'y'), "z", "", "", "", ""}},
        {"a lone CR stays", "a\rb\n", {"a\rb", "", "", "", "", ""}},
    };
    const TempGameFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.WriteCsv("header.csv", c.bytes);
        const auto lines = ReadHeaderLines(path);
        ASSERT_TRUE(lines.has_value()) << c.name;
        EXPECT_EQ(*lines, c.lines) << c.name;
    }
    EXPECT_FALSE(ReadHeaderLines(folder.Path() + "/missing.csv").has_value());
}

}  // namespace
}  // namespace tarvik
