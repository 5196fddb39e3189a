// CIniEx on Windows: replacing an existing file, read-only and shared files, ANSI file names.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/win32/handles.h"
#include "scripts/ini_ex.h"
#include "scripts/script_format.h"

namespace tarvik {
namespace {

// Everything through the A functions, so that names are read in the ANSI code page exactly as
// the engine's C runtime calls read them.
class IniExWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::string(temp) + "tarvik_ini_" + info->name() + "_" +
                  std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(folder_); }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (find) {
            do {
                const std::string name = found.cFileName;
                const std::string path = folder + "\\" + name;
                if (name == "." || name == "..") {
                    continue;
                }
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(find.Get(), &found));
        }
        find.Reset();
        RemoveDirectoryA(folder.c_str());
    }

    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }

    static bool Write(const std::string& path, const std::string& bytes) {
        FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        return file &&
               WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) &&
               written == bytes.size();
    }

    static std::string Read(const std::string& path) {
        FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        std::string text;
        char buffer[4096];
        DWORD count = 0;
        while (file && ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr) && count > 0) {
            text.append(buffer, count);
        }
        return text;
    }

    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::string folder_;
};

TEST_F(IniExWindowsTest, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    const std::string path = PathOf("UT2003.ini");
    ASSERT_TRUE(Write(path, "[Engine.GameEngine]\nCacheSizeMegs=32\n;note\n"));
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("engine.gameengine", "cachesizemegs", "64");
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[Engine.GameEngine]\r\nCacheSizeMegs=64\r\n;note=\r\n");
    EXPECT_FALSE(Exists(path + kIniTempSuffix));

    // And a second time, now that the file is the one the engine wrote.
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("Engine.GameEngine", "CacheSizeMegs", "128");
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[Engine.GameEngine]\r\nCacheSizeMegs=128\r\n;note=\r\n");
}

TEST_F(IniExWindowsTest, ReadOnlyFileIsRefusedAndNeverReplaced) {
    const std::string original = "[S]\nk=v\n";
    const std::string readOnly = PathOf("readonly.ini");
    ASSERT_TRUE(Write(readOnly, original));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    if (FileHandle(CreateFileA(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr))) {
        GTEST_SKIP() << "this system lets the process write read-only files (Wine run by root)";
    }
    CIniEx ini;
    EXPECT_FALSE(ini.Open(readOnly, true, false, true, false));

    const std::string later = PathOf("later.ini");
    ASSERT_TRUE(Write(later, original));
    ASSERT_TRUE(ini.Open(later, true, false, true, false));
    ini.SetValue("S", "k", "new");
    ASSERT_TRUE(SetFileAttributesA(later.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ini.Close());
    EXPECT_EQ(Read(later), original);
    EXPECT_FALSE(Exists(later + kIniTempSuffix));
}

TEST_F(IniExWindowsTest, FileHeldOpenByAnotherProgramIsLeftIntact) {
    const std::string original = "[S]\nk=v\n";
    const std::string path = PathOf("held.ini");
    ASSERT_TRUE(Write(path, original));
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    ini.SetValue("S", "k", "new");
    {
        // Readers and writers may share it, but it may not be deleted or renamed over.
        FileHandle holder(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(ini.WriteBack(false).ok);
        EXPECT_EQ(Read(path), original);
        EXPECT_FALSE(Exists(path + kIniTempSuffix));
    }
    // Once the other program lets go, the change still gets written.
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[S]\r\nk=new\r\n");
}

TEST_F(IniExWindowsTest, ExclusivelyOpenFileIsRefused) {
    const std::string path = PathOf("locked.ini");
    ASSERT_TRUE(Write(path, "[S]\nk=v\n"));
    FileHandle holder(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    CIniEx ini;
    EXPECT_FALSE(ini.Open(path, true, false, true, false));
}

TEST_F(IniExWindowsTest, AnsiFolderAndFileNames) {
    const std::string folder = PathOf("Spiele \xC4\xE9");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\Caf\xE9.ini";
    ASSERT_TRUE(Write(path, "[S]\nk=v\n"));
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, false));
    EXPECT_EQ(ini.GetValue("S", "k", ""), "v");
    ini.SetValue("S", "k", "\xE9t\xE9");
    EXPECT_TRUE(ini.Close());
    EXPECT_EQ(Read(path), "[S]\r\nk=\xE9t\xE9\r\n");
    EXPECT_FALSE(Exists(path + kIniTempSuffix));
}

TEST_F(IniExWindowsTest, BackupNamesBesideTheFile) {
    const std::string path = PathOf("UT2003.ini");
    ASSERT_TRUE(Write(path, "[S]\nk=old\n"));
    ASSERT_TRUE(Write(PathOf("UT2003.ini.004"), "older"));
    CIniEx ini;
    ASSERT_TRUE(ini.Open(path, true, false, true, true));
    ini.SetValue("S", "k", "new");
    const WriteBackResult result = ini.WriteBack(true);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.backupName, path + ".005");
    EXPECT_EQ(Read(path + ".005"), "[S]\nk=old\n");
}

TEST_F(IniExWindowsTest, ScriptSavedOverAnOldOneLoadsBack) {
    const std::string path = PathOf("My.tvx");
    ASSERT_TRUE(Write(path, "[OPTIONS]\nflyby=true\n[MAPS]\nnmaps=5\n"));
    ScriptDocument document;
    document.flyby = false;
    document.botCount = "8";
    document.systemIni = folder_ + "\\Benchmark\\Stuff\\MaxDetail.ini";
    document.userIni = "D:\\User.ini";
    document.maps = {{"DM-Antalus.ut2", "77"}};
    ASSERT_TRUE(SaveScript(path, document, folder_, false));
    const ScriptDocument loaded = LoadScriptForEditing(path);
    EXPECT_FALSE(loaded.flyby);
    EXPECT_EQ(loaded.botCount, "8");
    EXPECT_EQ(loaded.systemIni, "..\\benchmark\\stuff\\maxdetail.ini");
    EXPECT_EQ(loaded.userIni, "D:\\User.ini");
    EXPECT_EQ(loaded.maps, document.maps);
}

}  // namespace
}  // namespace tarvik
