#include "scripts/ini_ex.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>
#include "tests/common/temp_folder_test.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNone = "<default>";

class IniExTest : public TempFolderTest {
  protected:
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    static bool RunningAsRoot() { return geteuid() == 0; }
};

struct ReadCase {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(IniExTest, ParsesSectionsHeadersAndKeyLines) {
    const ReadCase cases[] = {
        {"a=1\n[S]\nb=2\n", "", "a", "1"},  // lines before the first header: section 0
        {"a=1\n[S]\nb=2\n", "S", "a", kNone},
        {"[S]\r\nb=2\r\n", "S", "b", "2"},
        {"[S]\nb=2", "S", "b", "2"},       // no line end after the last line
        {" [S]\nb=2\n", "S", "b", kNone},  // a blank before "[" makes it a key line
        {"[S] \nb=2\n", "S", "b", kNone},
        {"[ S ]\nb=2\n", " S ", "b", "2"},  // the name is not trimmed
        {"[[x]]\nb=2\n", "[x]", "b", "2"},
        {"[S]\nk = v\n", "S", "k", kNone},  // keys and values are not trimmed
        {"[S]\nk = v\n", "S", "k ", " v"},
        {"[S]\nk=a=b\n", "S", "k", "a=b"},  // the first "=" splits
        {"[S]\nk=\n", "S", "k", ""},
        {"[S]\nlonely\n", "S", "lonely", ""},  // no "=": the whole line is the key
        {"[S]\nk=a\rb\n", "S", "k", "a\rb"},   // only the CR of a CR LF ends a line
        {"[A]\n[B]\nk=v\n", "B", "k", "v"},
        {"[A]\n[B]\nk=v\n", "A", "k", kNone},  // a header followed by a header: no name
        {"[A]\n", "A", "k", kNone},
    };
    for (const ReadCase& c : cases) {
        const std::string path = Write("read.ini", c.text);
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, false, false, true, false));
        EXPECT_EQ(ini.GetValue(c.section, c.key, kNone), c.expected)
            << "file \"" << c.text << "\" section \"" << c.section << "\" key \"" << c.key << '"';
    }
}

TEST_F(IniExTest, SectionWithoutLinesIsNotFound) {
    const std::string path = Write("empty_sections.ini", "x=1\n[A]\n[B]\nk=v\n[C]\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, false, false, true, false));
    EXPECT_EQ(ini.FindSection("A"), -1);
    EXPECT_EQ(ini.FindSection("B"), 2);
    EXPECT_EQ(ini.FindSection("C"), -1);
    EXPECT_EQ(ini.FindKey(2, "k"), 0);
    EXPECT_EQ(ini.FindKey(7, "k"), -1);
}

TEST_F(IniExTest, ManySectionsReadTheSameWithAnyGrowthStep) {
    std::string text;
    for (int i = 0; i < 50; ++i) {
        text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    const std::string path = Write("many.ini", text);
    for (int step : {0, 1, 4, 7}) {
        CIniEx ini(step);
        ASSERT_TRUE(ini.Open(path, false, false, true, false));
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(ini.GetValue("S" + std::to_string(i), "k", kNone), std::to_string(i))
                << "growth step " << step;
        }
    }
}

struct CaseRuleCase {
    bool caseInsensitive;
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(IniExTest, LookupFollowsTheCaseFlag) {
    const std::string path =
        Write("case.ini", "[D3DDrv.D3DRenderDevice]\nUseTripleBuffering=False\n");
    const CaseRuleCase cases[] = {
        {true, "d3ddrv.d3drenderdevice", "usetriplebuffering", "False"},
        {false, "d3ddrv.d3drenderdevice", "UseTripleBuffering", kNone},
        {false, "D3DDrv.D3DRenderDevice", "usetriplebuffering", kNone},
        {false, "D3DDrv.D3DRenderDevice", "UseTripleBuffering", "False"},
    };
    for (const CaseRuleCase& c : cases) {
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, false, false, c.caseInsensitive, false));
        EXPECT_EQ(ini.GetValue(c.section, c.key, kNone), c.expected)
            << c.section << " " << c.key << " case-insensitive " << c.caseInsensitive;
    }
}

struct SetRuleCase {
    bool caseInsensitive;
    const char* key;
    const char* value;
    bool modified;
    const char* flagAfter;  // what GetValue("S", "Flag") gives afterwards
};

TEST_F(IniExTest, SetValueMarksModifiedOnlyForRealChanges) {
    const std::string path = Write("set.ini", "[S]\nFlag=True\n");
    const SetRuleCase cases[] = {
        // A change of letter case alone is not a change, yet the text in memory follows.
        {true, "Flag", "true", false, "true"}, {true, "flag", "TRUE", false, "TRUE"},
        {true, "Flag", "True", false, "True"}, {true, "Flag", "yes", true, "yes"},
        {false, "Flag", "true", true, "true"}, {false, "Flag", "True", false, "True"},
        {false, "flag", "True", true, "True"},  // a different key: appended, Flag unchanged
    };
    for (const SetRuleCase& c : cases) {
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, false, false, c.caseInsensitive, false));
        ini.SetValue("S", c.key, c.value);
        EXPECT_EQ(ini.IsModified(), c.modified) << c.key << "=" << c.value;
        EXPECT_EQ(ini.GetValue("S", "Flag", kNone), c.flagAfter) << c.key << "=" << c.value;
    }
}

TEST_F(IniExTest, GetValueCutsAtTheLastSemicolon) {
    const std::array<std::array<const char*, 2>, 6> cases{{
        {"Key=Value;comment", "Value"},
        {"Key=a;b;c", "a;b"},
        {"Key=60 ;note", "60 "},
        {"Key=;", ""},
        {"Key=;only a comment", ""},
        {"Key=no comment", "no comment"},
    }};
    for (const auto& [line, expected] : cases) {
        const std::string path = Write("comment.ini", std::string("[S]\n") + line + "\n");
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, false, false, true, false));
        EXPECT_EQ(ini.GetValue("S", "Key", kNone), expected) << line;
    }
}

TEST_F(IniExTest, DuplicatesLastKeyAndFirstSectionWin) {
    const std::string path = Write("dup.ini", "[S]\nk=1\nk=2\n[T]\nj=1\n[T]\nj=2\nm=3\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, false, false, true, false));
    EXPECT_EQ(ini.GetValue("S", "k", kNone), "2");
    EXPECT_EQ(ini.GetValue("T", "j", kNone), "1");
    EXPECT_EQ(ini.GetValue("T", "m", kNone), kNone);
    EXPECT_EQ(ini.FindSection("t"), 2);
    EXPECT_EQ(ini.FindKey(1, "K"), 1);
}

struct WriteCase {
    const char* what;
    const char* before;
    bool caseInsensitive;
    std::vector<std::array<const char*, 3>> sets;  // section, key, value
    const char* after;                             // nullptr: the file is not rewritten
};

TEST_F(IniExTest, WriteBackGivesExactBytes) {
    const WriteCase cases[] = {
        {"comment gains =, blank stays blank",
         "a=1\n[S]\nk=v\n;note\n\n",
         true,
         {{"S", "k", "w"}},
         "a=1\r\n[S]\r\nk=w\r\n;note=\r\n\r\n"},
        {"header without lines dropped, new section at the end",
         "[A]\n[B]\nk=v\n",
         true,
         {{"A", "x", "1"}},
         "[B]\r\nk=v\r\n[A]\r\nx=1\r\n"},
        {"new key after the section's blank and comment lines",
         "[S]\nk=v\n\n;c\n[T]\n",
         true,
         {{"S", "n", "1"}},
         "[S]\r\nk=v\r\n\r\n;c=\r\nn=1\r\n"},
        {"untrimmed key is another key",
         "[S]\nk = v\n",
         true,
         {{"S", "k", "x"}},
         "[S]\r\nk = v\r\nk=x\r\n"},
        {"empty key written without =",
         "[S]\n=x\n",
         true,
         {{"S", "k", "v"}},
         "[S]\r\nx\r\nk=v\r\n"},
        {"duplicate key: the last changes",
         "[S]\nk=1\nk=2\n",
         true,
         {{"S", "k", "9"}},
         "[S]\r\nk=1\r\nk=9\r\n"},
        {"duplicate section: the first gets the key",
         "[S]\nk=1\n[S]\nj=2\n",
         true,
         {{"s", "j", "x"}},
         "[S]\r\nk=1\r\nj=x\r\n[S]\r\nj=2\r\n"},
        {"unnamed section written without header",
         "a=1\n[]\nb=2\n",
         true,
         {{"", "a", "5"}},
         "a=5\r\nb=2\r\n"},
        {"empty file", "", true, {{"S", "k", "v"}, {"S", "j", "w"}}, "[S]\r\nk=v\r\nj=w\r\n"},
        {"no line end at the end", "[S]\nk=v", true, {{"S", "j", "w"}}, "[S]\r\nk=v\r\nj=w\r\n"},
        {"case-only change is not written",
         "[S]\nflag=True\n",
         true,
         {{"S", "flag", "true"}},
         nullptr},
        {"case-only change written when case counts",
         "[S]\nflag=True\n",
         false,
         {{"S", "flag", "true"}},
         "[S]\r\nflag=true\r\n"},
        {"same value: untouched", "[S]\nk=v\n", true, {{"S", "k", "v"}}, nullptr},
        {"read only: untouched", "[S]\nk=v\n", true, {}, nullptr},
    };
    for (const WriteCase& c : cases) {
        const std::string path = Write("write.ini", c.before);
        {
            CIniEx ini;
            ASSERT_TRUE(ini.Open(path, true, false, c.caseInsensitive, false)) << c.what;
            for (const auto& [section, key, value] : c.sets) {
                ini.SetValue(section, key, value);
            }
            EXPECT_EQ(ini.IsModified(), c.after != nullptr) << c.what;
            EXPECT_TRUE(ini.Close()) << c.what;
        }
        EXPECT_EQ(Read(path), c.after ? c.after : c.before) << c.what;
        EXPECT_EQ(Entries(), std::set<std::string>{"write.ini"}) << c.what;
    }
}

TEST_F(IniExTest, EmptySectionNameMeansTheLinesBeforeTheFirstHeader) {
    const std::array<std::array<const char*, 2>, 3> cases{{
        {"", "k=v\r\n"},
        {"[A]\n", "k=v\r\n"},
        {"[A]\nx=1\n", "k=v\r\n[A]\r\nx=1\r\n"},
    }};
    for (const auto& [before, after] : cases) {
        const std::string path = Write("top.ini", before);
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, true, false, true, false));
        ini.SetValue("", "k", "v");
        EXPECT_EQ(ini.GetValue("", "k", kNone), "v") << before;
        EXPECT_TRUE(ini.Close());
        EXPECT_EQ(Read(path), after) << before;
    }
}

TEST_F(IniExTest, DestructionWritesBackOnlyWithTheFlag) {
    const std::string kept = Write("kept.ini", "[S]\nk=v\n");
    const std::string written = Write("written.ini", "[S]\nk=v\n");
    {
        CIniEx withoutFlag;
        ASSERT_TRUE(withoutFlag.Open(kept, false, false, true, false));
        withoutFlag.SetValue("S", "k", "new");
        CIniEx withFlag;
        ASSERT_TRUE(withFlag.Open(written, true, false, true, false));
        withFlag.SetValue("S", "k", "new");
    }
    EXPECT_EQ(Read(kept), "[S]\nk=v\n");
    EXPECT_EQ(Read(written), "[S]\r\nk=new\r\n");
}

TEST_F(IniExTest, DropAllLinesReplacesTheTextOnlyWhenWritten) {
    const std::string path = Write("drop.ini", "old=1\n[Old]\nx=y\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.DropAllLines();
    EXPECT_TRUE(ini.IsModified());
    EXPECT_EQ(ini.GetValue("Old", "x", kNone), kNone);
    ini.SetValue("New", "k", "v");
    EXPECT_EQ(Read(path), "old=1\n[Old]\nx=y\n");
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[New]\r\nk=v\r\n");
}

struct BackupCase {
    std::vector<const char*> others;
    const char* expected;
};

TEST_F(IniExTest, BackupTakesTheNextNumber) {
    const BackupCase cases[] = {
        {{}, "UT2003.ini.001"},
        {{"UT2003.ini.001", "UT2003.ini.007", "Other.ini.050"}, "UT2003.ini.008"},
        {{"ut2003.bak.012"}, "UT2003.ini.013"},  // matched as Windows does: any case
        {{"UT2003.ini.1a2"}, "UT2003.ini.002"},  // the leading digits of the last three
        {{"UT2003x.txt", "UT2003.ini.old"}, "UT2003.ini.001"},
        {{"UT2003.ini.999"}, "UT2003.ini.1000"},
    };
    for (const BackupCase& c : cases) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const char* other : c.others) {
            Write(other, "other");
        }
        const std::string path = Write("UT2003.ini", "[S]\nk=old\n");
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, true, false, true, true));
        ini.SetValue("S", "k", "new");
        const WriteBackResult result = ini.WriteBack(true);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.backupName, PathOf(c.expected));
        EXPECT_EQ(Read(PathOf(c.expected)), "[S]\nk=old\n") << c.expected;
        EXPECT_EQ(Read(path), "[S]\r\nk=new\r\n");
        EXPECT_FALSE(ini.IsModified());
    }
}

TEST_F(IniExTest, BackupOfANameWithoutExtensionInADottedFolder) {
    fs::create_directories(folder_ / "game.d");
    Write("game.d/Settings.004", "older");
    const std::string path = Write("game.d/Settings", "k=old\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, true));
    ini.SetValue("", "k", "new");
    EXPECT_EQ(ini.WriteBack(true).backupName, PathOf("game.d/Settings.005"));
}

TEST_F(IniExTest, OpenWritesBackThePreviousFileFirst) {
    const std::string first = Write("first.ini", "[S]\nk=v\n");
    const std::string second = Write("second.ini", "[T]\nj=w\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(first, false, false, true, false));
    ini.SetValue("S", "k", "changed");
    ASSERT_TRUE(ini.Open(second, false, false, true, false));
    EXPECT_EQ(Read(first), "[S]\r\nk=changed\r\n");  // written although its flag was off
    EXPECT_EQ(ini.FileName(), second);
    EXPECT_FALSE(ini.IsModified());
    EXPECT_EQ(ini.GetValue("S", "k", kNone), kNone);
    EXPECT_EQ(ini.GetValue("T", "j", kNone), "w");

    // A failed Open still writes the previous file and leaves the engine closed.
    ini.SetValue("T", "j", "changed");
    EXPECT_FALSE(ini.Open(PathOf("missing.ini"), false, false, true, false));
    EXPECT_EQ(Read(second), "[T]\r\nj=changed\r\n");
    EXPECT_EQ(ini.FileName(), "");
    EXPECT_EQ(ini.GetValue("T", "j", kNone), kNone);
}

TEST_F(IniExTest, OpenRefusesWhatCannotBeReadAndWritten) {
    fs::create_directories(folder_ / "folder.ini");
    const std::array<std::pair<std::string, bool>, 4> cases{{
        {PathOf("missing.ini"), false},
        {PathOf("folder.ini"), false},
        {PathOf("folder.ini"), true},
        {PathOf("no/such/folder/x.ini"), true},
    }};
    for (const auto& [path, create] : cases) {
        CIniEx ini;
        EXPECT_FALSE(ini.Open(path, true, create, true, false)) << path << " create " << create;
        EXPECT_EQ(ini.FileName(), "");
        EXPECT_TRUE(ini.Close());
    }
    EXPECT_FALSE(fs::exists(PathOf("missing.ini")));
    EXPECT_FALSE(fs::exists(PathOf("no")));
}

TEST_F(IniExTest, OpenRefusesAReadOnlyFile) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root may write to a read-only file";
    }
    const std::string path = Write("readonly.ini", "[S]\nk=v\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CIniEx ini;
    EXPECT_FALSE(ini.Open(path, false, false, true, false));
}

TEST_F(IniExTest, CreateIfMissingCreatesEmptyAndNeverTruncates) {
    const std::string fresh = PathOf("fresh.ini");
    {
        CIniEx ini;
        ASSERT_TRUE(ini.Open(fresh, true, true, true, false));
        EXPECT_EQ(ini.GetValue("S", "k", kNone), kNone);
    }
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_EQ(Read(fresh), "");

    const std::string existing = Write("existing.ini", "[S]\nk=v\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(existing, true, true, true, false));
    EXPECT_EQ(ini.GetValue("S", "k", kNone), "v");
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(existing), "[S]\nk=v\n");
}

TEST_F(IniExTest, FailedWriteLeavesTheOriginalAndSaysSo) {
    const std::string original = "[S]\nk=v\n";
    const std::string path = Write("target.ini", original);
    // The temporary file cannot be made: a folder stands in its place.
    fs::create_directories(path + kIniTempSuffix);
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("S", "k", "new");
    EXPECT_FALSE(ini.WriteBack(false).ok);
    EXPECT_TRUE(ini.IsModified());
    EXPECT_FALSE(ini.Close());
    EXPECT_EQ(Read(path), original);
    EXPECT_EQ(ini.FileName(), "");
}

TEST_F(IniExTest, TargetTurnedIntoAFolderIsNotReplaced) {
    const std::string path = Write("target.ini", "[S]\nk=v\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("S", "k", "new");
    fs::remove(path);
    fs::create_directories(fs::path(path) / "inside");
    EXPECT_FALSE(ini.Close());
    EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
    EXPECT_EQ(Entries(), std::set<std::string>{"target.ini"});
}

TEST_F(IniExTest, FileDeletedAfterOpenIsWrittenAnew) {
    const std::string path = Write("gone.ini", "[S]\nk=v\n");
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("S", "k", "new");
    fs::remove(path);
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[S]\r\nk=new\r\n");
}

TEST_F(IniExTest, ReadOnlyTargetOrFolderIsNotWritten) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root may write to read-only files and folders";
    }
    const std::string original = "[S]\nk=v\n";
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const std::string file = Write("file.ini", original);
    fs::create_directories(folder_ / "locked");
    const std::string inLockedFolder = Write("locked/folder.ini", original);
    const std::array<std::pair<std::string, fs::path>, 2> cases{{
        {file, file},
        {inLockedFolder, folder_ / "locked"},
    }};
    for (const auto& [path, madeReadOnly] : cases) {
        CIniEx ini;
        ASSERT_TRUE(ini.Open(path, true, false, true, false));
        ini.SetValue("S", "k", "new");
        fs::permissions(madeReadOnly, readOnly | fs::perms::owner_exec);
        EXPECT_FALSE(ini.Close()) << path;
        fs::permissions(madeReadOnly, fs::perms::owner_all);
        EXPECT_EQ(Read(path), original) << path;
        EXPECT_FALSE(fs::exists(path + kIniTempSuffix)) << path;
    }
}

}  // namespace
}  // namespace tarvik
