#include "tools/simgame/game_paths.h"

#include <gtest/gtest.h>

namespace tarvik::simgame {
namespace {

TEST(SimgameGamePaths, ResolvesAgainstTheSystemFolder) {
    const struct {
        const char* folder;
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\Games\\UT2003\\System", "..\\Benchmark\\Stuff\\MaxDetail.ini",
         "C:\\Games\\UT2003\\Benchmark\\Stuff\\MaxDetail.ini"},
        {"C:\\Games\\UT2003\\System", "..\\System\\User.ini",
         "C:\\Games\\UT2003\\System\\User.ini"},
        {"C:\\Games\\UT2003\\System", "UT2003.ini", "C:\\Games\\UT2003\\System\\UT2003.ini"},
        {"C:\\Games\\UT2003\\System", ".\\sub\\..\\x.ini", "C:\\Games\\UT2003\\System\\x.ini"},
        {"C:\\Games\\UT2003\\System", "../benchmark/stuff/a.ini",
         "C:\\Games\\UT2003\\benchmark\\stuff\\a.ini"},
        {"C:\\Games\\UT2003\\System\\", "..\\\\Benchmark\\x.txt",
         "C:\\Games\\UT2003\\Benchmark\\x.txt"},
        // ".." stops at the root.
        {"C:\\UT\\System", "..\\..\\..\\..\\x.ini", "C:\\x.ini"},
        {"C:\\UT\\System", "..\\..", "C:\\"},
        {"\\\\server\\share\\UT\\System", "..\\..\\..\\x.ini", "\\\\server\\share\\x.ini"},
        // Absolute paths stay exactly as given.
        {"C:\\Games\\UT2003\\System", "D:\\Other\\..\\mine.ini", "D:\\Other\\..\\mine.ini"},
        {"C:\\Games\\UT2003\\System", "\\root.ini", "\\root.ini"},
        {"C:\\Games\\UT2003\\System", "c:/x/y.ini", "c:/x/y.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveGamePath(c.folder, c.path), c.expected) << c.folder << " + " << c.path;
    }
}

TEST(SimgameGamePaths, FolderOfAndNamesIgnoringCase) {
    EXPECT_EQ(FolderOf("C:\\UT\\System\\ut2003.exe"), "C:\\UT\\System");
    EXPECT_EQ(FolderOf("ut2003.exe"), "");
    const std::vector<std::string> names = {"DM-Antalus.ut2", "CTF-Face3.ut2"};
    EXPECT_EQ(FindNameIgnoringCase(names, "dm-antalus.ut2"), "DM-Antalus.ut2");
    EXPECT_EQ(FindNameIgnoringCase(names, "CTF-FACE3.UT2"), "CTF-Face3.ut2");
    EXPECT_FALSE(FindNameIgnoringCase(names, "dm-antalus"));
    EXPECT_FALSE(FindNameIgnoringCase(names, "ctf-face3.ut2x"));
}

}  // namespace
}  // namespace tarvik::simgame
