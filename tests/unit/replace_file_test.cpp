#include "base/replace_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <iterator>
#include <string>

#include "tests/common/temp_folder_test.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

using ReplaceFileTest = TempFolderTest;

std::ptrdiff_t EntryCount(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// The temporary file's name: the target's plus this.
constexpr const char* kSuffix = ".swap";

struct ReplaceCase {
    const char* name;
    const char* before;  // nullptr: no target yet
    std::string bytes;
};

TEST_F(ReplaceFileTest, TargetEndsUpHoldingExactlyTheBytesAndNothingElseIsLeft) {
    const ReplaceCase cases[] = {
        {"missing.txt", nullptr, "first\r\nsecond\r\n"},
        {"longer.txt", "a much longer old text than the new one", "new"},
        {"shorter.txt", "old", std::string("new\0with a NUL\n", 15)},
        {"emptied.txt", "old", ""},
    };
    for (const ReplaceCase& c : cases) {
        const std::string path = c.before ? Write(c.name, c.before) : PathOf(c.name);
        EXPECT_TRUE(WriteFileReplacing(path, c.bytes, kSuffix)) << c.name;
        EXPECT_EQ(Read(path), c.bytes) << c.name;
        EXPECT_FALSE(fs::exists(path + kSuffix)) << c.name;
    }
    EXPECT_EQ(EntryCount(folder_), static_cast<std::ptrdiff_t>(std::size(cases)));
}

TEST_F(ReplaceFileTest, FailureLeavesTheTargetAndNoTemporaryFile) {
    // The temporary file cannot be made: no such folder, or a folder stands in its place.
    EXPECT_FALSE(WriteFileReplacing(PathOf("no/such/folder/x.txt"), "new", kSuffix));
    EXPECT_FALSE(fs::exists(PathOf("no")));

    const std::string blocked = Write("blocked.txt", "old");
    fs::create_directories(blocked + kSuffix);
    EXPECT_FALSE(WriteFileReplacing(blocked, "new", kSuffix));
    EXPECT_EQ(Read(blocked), "old");
    EXPECT_TRUE(fs::is_directory(blocked + kSuffix));

    // The target is a folder that neither rename nor remove can take away.
    const std::string folder = PathOf("occupied");
    fs::create_directories(folder);
    Write("occupied/inside.txt", "kept");
    EXPECT_FALSE(WriteFileReplacing(folder, "new", kSuffix));
    EXPECT_EQ(Read(folder + "/inside.txt"), "kept");
    EXPECT_FALSE(fs::exists(folder + kSuffix));
}

TEST_F(ReplaceFileTest, UnwritableFolderKeepsItsFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    const fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    const std::string path = Write("locked/data.txt", "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileReplacing(path, "new", kSuffix));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(EntryCount(locked), 1);
}

TEST_F(ReplaceFileTest, NewFileTruncatesWhatWasThere) {
    const std::string path = Write("backup.001", "an older and longer text");
    EXPECT_TRUE(WriteNewFile(path, "copy"));
    EXPECT_EQ(Read(path), "copy");
    EXPECT_FALSE(WriteNewFile(PathOf("no/such/folder/backup.001"), "copy"));
}

}  // namespace
}  // namespace tarvik
