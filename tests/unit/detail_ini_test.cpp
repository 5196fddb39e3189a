#include "bench/detail_ini.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "scripts/ini_ex.h"
#include "tests/common/temp_game_folder.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Keys present, in another letter case and missing; comment lines; a section after the ones
// that change. Comment lines keep their place in the copy (the ini engine writes every
// non-empty line back as a key, with "=" after it).
const std::string kMaxDetail = Lines({
    "; The game's maximum detail",
    "[Engine.Engine]",
    "RenderDevice=D3DDrv.D3DRenderDevice",
    "[WinDrv.WindowsClient]",
    "ScreenFlashes=True",
    "MinDesiredFrameRate=35.000000",
    "; texture detail",
    "texturemaxlod=0.000000",
    "[D3DDrv.D3DRenderDevice]",
    "UseTripleBuffering=False",
    "DetailTexMipBias=0.000000",
    "DefaultTexMipBias=-0.500000",
    "[Engine.Player]",
    "ConfiguredInternetSpeed=10000",
});

// No render device section at all.
const std::string kMinDetail = Lines({
    "[Engine.Engine]",
    "RenderDevice=D3DDrv.D3DRenderDevice",
    "; lighting off for speed",
    "[WinDrv.WindowsClient]",
    "NoLighting=False",
    "TEXTUREMINLOD=0.000000",
    "[Engine.Player]",
    "ConfiguredInternetSpeed=2600",
});

class DetailIniTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game_.WriteFile(GameSubfolder::Stuff, "MaxDetail.ini", kMaxDetail);
        game_.WriteFile(GameSubfolder::Stuff, "MinDetail.ini", kMinDetail);
    }

    fs::path Stuff(const std::string& name) const {
        return fs::path(game_.FolderPath(GameSubfolder::Stuff)) / name;
    }

    std::set<std::string> StuffEntries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(game_.FolderPath(GameSubfolder::Stuff))) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    void ExpectSourcesUntouched() const {
        EXPECT_EQ(ReadFile(Stuff("MaxDetail.ini")), kMaxDetail);
        EXPECT_EQ(ReadFile(Stuff("MinDetail.ini")), kMinDetail);
    }

    static bool RunningAsRoot() { return geteuid() == 0; }

    TempGameFolder game_{GameSubfolder::Stuff};
};

// Low and the processor test set the client's keys alike; the render device section that both
// gain at the end of the file differs.
const std::string kMinDetailCopyUpToRenderDevice = Lines({
    "[Engine.Engine]",
    "RenderDevice=D3DDrv.D3DRenderDevice",
    "; lighting off for speed=",
    "[WinDrv.WindowsClient]",
    "NoLighting=True",
    "TEXTUREMINLOD=0.8",
    "ScreenFlashes=False",
    "MinDesiredFrameRate=0.0",
    "TextureMaxLOD=0.8",
    "[Engine.Player]",
    "ConfiguredInternetSpeed=2600",
    "[D3DDrv.D3DRenderDevice]",
});

struct GeneratedCase {
    DetailVariant variant;
    const char* generatedName;
    std::string expected;
};

const GeneratedCase kGeneratedCases[] = {
    {DetailVariant::High, "OrlimarDetailHigh.ini",
     Lines({
         "; The game's maximum detail=",
         "[Engine.Engine]",
         "RenderDevice=D3DDrv.D3DRenderDevice",
         "[WinDrv.WindowsClient]",
         "ScreenFlashes=True",
         "MinDesiredFrameRate=0.0",
         "; texture detail=",
         "texturemaxlod=-0.8",
         "TextureMinLOD=-0.8",
         "[D3DDrv.D3DRenderDevice]",
         "UseTripleBuffering=True",
         "DetailTexMipBias=-0.8",
         "DefaultTexMipBias=-0.8",
         "UseCompressedLightmaps=False",
         "[Engine.Player]",
         "ConfiguredInternetSpeed=10000",
     })},
    {DetailVariant::Low, "OrlimarDetailLow.ini",
     kMinDetailCopyUpToRenderDevice + Lines({"Use16bit=False", "DefaultTexMipBias=0.8"})},
    {DetailVariant::Cpu, "OrlimarDetailCpu.ini",
     kMinDetailCopyUpToRenderDevice + Lines({"UseHardwareTL=False", "UseHardwareVS=False",
                                             "Use16bitTextures=True", "DefaultTexMipBias=0.8"})},
};

TEST_F(DetailIniTest, CopyOfTheSourceGetsTheVariantsKeys) {
    for (const GeneratedCase& c : kGeneratedCases) {
        SCOPED_TRACE(c.generatedName);
        EXPECT_EQ(DetailIniPath(game_.Path(), c.variant), Stuff(c.generatedName).string());
        ASSERT_EQ(MakeDetailIni(game_.Path(), c.variant), DetailIniResult::Made);
        EXPECT_EQ(ReadFile(Stuff(c.generatedName)), c.expected);
        EXPECT_EQ(StuffEntries(),
                  (std::set<std::string>{"MaxDetail.ini", "MinDetail.ini", c.generatedName}));
        ExpectSourcesUntouched();
        RemoveDetailIni(game_.Path(), c.variant);
        EXPECT_EQ(StuffEntries(), (std::set<std::string>{"MaxDetail.ini", "MinDetail.ini"}));
    }
}

TEST_F(DetailIniTest, EveryPressStartsAfreshFromTheSource) {
    ASSERT_EQ(MakeDetailIni(game_.Path(), DetailVariant::High), DetailIniResult::Made);
    const std::string first = ReadFile(Stuff("OrlimarDetailHigh.ini"));
    ASSERT_EQ(MakeDetailIni(game_.Path(), DetailVariant::High), DetailIniResult::Made);
    EXPECT_EQ(ReadFile(Stuff("OrlimarDetailHigh.ini")), first);

    // A leftover from an earlier press, longer than the new file and with keys of its own.
    const std::string leftover = Lines({"[Stale]", "Key=1", "[WinDrv.WindowsClient]",
                                        "ScreenFlashes=Maybe", std::string(500, 'x').c_str()});
    game_.WriteFile(GameSubfolder::Stuff, "OrlimarDetailHigh.ini", leftover);
    ASSERT_EQ(MakeDetailIni(game_.Path(), DetailVariant::High), DetailIniResult::Made);
    EXPECT_EQ(ReadFile(Stuff("OrlimarDetailHigh.ini")), first);
    ExpectSourcesUntouched();
}

TEST_F(DetailIniTest, MissingSourceMakesNothing) {
    fs::remove(Stuff("MaxDetail.ini"));
    fs::remove(Stuff("MinDetail.ini"));
    for (const DetailVariant variant :
         {DetailVariant::High, DetailVariant::Low, DetailVariant::Cpu}) {
        EXPECT_EQ(MakeDetailIni(game_.Path(), variant), DetailIniResult::SourceNotCopied);
    }
    EXPECT_TRUE(StuffEntries().empty());
}

TEST_F(DetailIniTest, GeneratedNameTakenByAFolderIsACreateFailure) {
    fs::create_directory(Stuff("OrlimarDetailLow.ini"));
    EXPECT_EQ(MakeDetailIni(game_.Path(), DetailVariant::Low), DetailIniResult::SourceNotCopied);
    EXPECT_TRUE(fs::is_directory(Stuff("OrlimarDetailLow.ini")));
    ExpectSourcesUntouched();
}

TEST_F(DetailIniTest, FailedWriteBackIsItsOwnFailureAndDeletesTheCopy) {
    // The ini engine writes the changed text beside the file first; a folder in that place
    // makes the write fail, as a full disk would.
    const fs::path blocker = Stuff(std::string("OrlimarDetailCpu.ini") + kIniTempSuffix);
    fs::create_directory(blocker);
    EXPECT_EQ(MakeDetailIni(game_.Path(), DetailVariant::Cpu), DetailIniResult::CopyNotWritten);
    EXPECT_FALSE(fs::exists(Stuff("OrlimarDetailCpu.ini")));
    EXPECT_TRUE(fs::is_directory(blocker));
    ExpectSourcesUntouched();
}

TEST_F(DetailIniTest, CopyTheIniEngineRefusesIsDeleted) {
    // A missing copy is not created by the attempt.
    EXPECT_EQ(SetDetailKeys(Stuff("OrlimarDetailHigh.ini").string(), DetailVariant::High),
              DetailIniResult::CopyNotOpened);
    EXPECT_FALSE(fs::exists(Stuff("OrlimarDetailHigh.ini")));

    if (RunningAsRoot()) {
        GTEST_SKIP() << "root may write to a read-only file";
    }
    const std::string copy =
        game_.WriteFile(GameSubfolder::Stuff, "OrlimarDetailHigh.ini", kMaxDetail);
    fs::permissions(copy, fs::perms::owner_read);
    EXPECT_EQ(SetDetailKeys(copy, DetailVariant::High), DetailIniResult::CopyNotOpened);
    EXPECT_FALSE(fs::exists(copy));
    ExpectSourcesUntouched();
}

TEST_F(DetailIniTest, RemovingAMissingGeneratedFileLeavesTheFolderAlone) {
    RemoveDetailIni(game_.Path(), DetailVariant::Low);
    EXPECT_EQ(StuffEntries(), (std::set<std::string>{"MaxDetail.ini", "MinDetail.ini"}));
    ExpectSourcesUntouched();
}

TEST(DetailIniMessages, EachFailureHasItsText) {
    const struct {
        DetailIniResult result;
        const char* text;
    } cases[] = {
        {DetailIniResult::Made, ""},
        {DetailIniResult::SourceNotCopied, "Can't create custom detail ini"},
        {DetailIniResult::CopyNotOpened, "Can't open ini file"},
        {DetailIniResult::CopyNotWritten, "Can't write custom detail ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetailIniFailureMessage(c.result), c.text);
    }
    EXPECT_STREQ(kDetailIniCaption, "!");
}

TEST(DetailCommandLines, HighRunsTheZandorFlybysWithItsGeneratedIni) {
    const std::vector<std::string> expected = {
        R"("C:\UT2003\System\ut2003.exe" dm-antalus?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" dom-suntemple?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" dm-phobos2?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" dm-inferno?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" ctf-face3?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=116 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" ctf-citadel?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
        R"("C:\UT2003\System\ut2003.exe" dm-asbestos?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=71 -nosound ini=..\Benchmark\Stuff\OrlimarDetailHigh.ini userini=..\Benchmark\Stuff\MaxDetailUser.ini -1280x1024)",
    };
    EXPECT_EQ(DetailCommandLines(R"(C:\UT2003)", DetailVariant::High, 1), expected);
}

TEST(DetailCommandLines, CpuTestIsOneInfernoFlybyAt640x480) {
    EXPECT_EQ(
        DetailCommandLines(R"(D:\Games\UT 2003)", DetailVariant::Cpu, 2),
        std::vector<std::string>{
            R"("D:\Games\UT 2003\System\ut2003.exe" dm-inferno?game=engine.gameinfo -exec=..\Benchmark\Stuff\flybyexec.txt -benchmark -seconds=77 -nosound ini=..\Benchmark\Stuff\OrlimarDetailCpu.ini userini=..\Benchmark\Stuff\MinDetailUser.ini -640x480)"});
}

TEST(DetailCommandLines, LowUsesItsOwnIniWithTheMinimumUserIni) {
    const std::vector<std::string> lines =
        DetailCommandLines(R"(C:\UT2003)", DetailVariant::Low, 2);
    ASSERT_EQ(lines.size(), 7u);
    for (const std::string& line : lines) {
        EXPECT_NE(line.find(" ini=..\\Benchmark\\Stuff\\OrlimarDetailLow.ini "
                            "userini=..\\Benchmark\\Stuff\\MinDetailUser.ini -1600x1200"),
                  std::string::npos)
            << line;
    }
}

TEST(DetailCommandLines, ResolutionByVariantAndPageChoice) {
    const struct {
        DetailVariant variant;
        int pageIndex;
        const char* resolution;
    } cases[] = {
        {DetailVariant::High, 0, "1024x768"}, {DetailVariant::High, 1, "1280x1024"},
        {DetailVariant::Low, 2, "1600x1200"}, {DetailVariant::Low, -1, "1024x768"},
        {DetailVariant::High, 3, "1024x768"}, {DetailVariant::Cpu, 0, "640x480"},
        {DetailVariant::Cpu, 2, "640x480"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetailResolution(c.variant, c.pageIndex), c.resolution)
            << static_cast<int>(c.variant) << " at " << c.pageIndex;
    }
}

}  // namespace
}  // namespace tarvik
