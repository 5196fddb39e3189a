#include "scripts/ini_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/temp_folder_test.h"

namespace tarvik {
namespace {

class IniKindTest : public TempFolderTest {};

struct KindCase {
    const char* what;
    std::string bytes;
    IniKind kind;
};

TEST_F(IniKindTest, FirstFiveBytesDecide) {
    const KindCase cases[] = {
        {"system", "[URL]\r\nProtocol=ut2003\r\n", IniKind::System},
        {"system, nothing after", "[URL]", IniKind::System},
        {"user", "[DefaultPlayer]\r\nName=Player\r\n", IniKind::User},
        {"only the five bytes of a user ini", "[Defa", IniKind::User},
        {"any section starting so", "[Default]\r\n", IniKind::User},
        {"short file", "[URL", IniKind::Neither},
        {"empty file", "", IniKind::Neither},
        {"leading blank line", "\r\n[URL]\r\n", IniKind::Neither},
        {"leading blank", " [URL]", IniKind::Neither},
        {"small letters", "[url]\r\n", IniKind::Neither},
        {"another section", "[Engine.Engine]\r\n", IniKind::Neither},
        {"zero byte inside", std::string("[UR\0L]", 6), IniKind::Neither},
    };
    for (const KindCase& c : cases) {
        EXPECT_EQ(IniKindOfStart(c.bytes), c.kind) << c.what;
        EXPECT_EQ(ClassifyIniFile(Write("kind.ini", c.bytes)), c.kind) << c.what;
    }
}

TEST_F(IniKindTest, UnreadableFileIsNeither) {
    EXPECT_EQ(ClassifyIniFile(PathOf("missing.ini")), IniKind::Neither);
    EXPECT_EQ(ClassifyIniFile(folder_.string()), IniKind::Neither);
}

TEST(IniNameOf, PartAfterTheLastBackslash) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"..\\benchmark\\stuff\\maxdetail.ini", "maxdetail.ini"},
        {"C:\\Games\\UT2003\\Benchmark\\Stuff\\My System.ini", "My System.ini"},
        {"User.ini", "User.ini"},
        {"C:\\folder\\", ""},
        {"", ""},
        {"/home/me/x.ini", "/home/me/x.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniNameOf(c.path), c.name) << c.path;
    }
}

TEST(HasExtension, WholeExtensionAnyCase) {
    const struct {
        const char* name;
        bool matches;
    } cases[] = {
        {"UT2003.ini", true}, {"MAX.INI", true}, {"x.inix", false},
        {".ini", false},      {"ini", false},    {"x.ini.bak", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasExtension(c.name, ".ini"), c.matches) << c.name;
    }
}

}  // namespace
}  // namespace tarvik
