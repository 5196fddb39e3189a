#include "tools/simgame/installation_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "scripts/ini_ex.h"
#include "sysinfo/crc32.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

const InstallationFile* Find(const std::vector<InstallationFile>& files, const std::string& path) {
    for (const InstallationFile& file : files) {
        if (EqualIgnoringCase(file.relativePath, path)) {
            return &file;
        }
    }
    return nullptr;
}

// Reads one key of an installation file through the program's own ini engine.
std::string IniValue(const InstallationFile& file, const char* section, const char* key) {
    // One name per test and process: ctest runs tests (and other builds) side by side.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto path = std::filesystem::path(::testing::TempDir()) /
                      ("simgame_installation_value_" + std::string(test->name()) + "_" +
                       std::to_string(getpid()) + ".ini");
    std::ofstream(path, std::ios::binary) << file.contents;
    std::string value;
    {
        CIniEx ini(4);
        EXPECT_TRUE(ini.Open(path.string(), false, false, true, false));
        value = ini.GetValue(section, key, "<missing>");
    }
    std::filesystem::remove(path);
    return value;
}

TEST(SimgameInstallationFiles, EveryFileTheFrontEndReliesOn) {
    for (Edition edition : {Edition::Full, Edition::Demo}) {
        const auto files = InstallationFiles(edition, InstallOptions{});
        const struct {
            const char* path;
            const char* begins;  // nullptr: any text
        } expected[] = {
            {"System\\UT2003.ini", "[URL]\r\n"},
            {"System\\User.ini", "[DefaultPlayer]\r\n"},
            {"System\\Manifest.ini", nullptr},
            {"Benchmark\\Stuff\\flybyexec.txt", nullptr},
            {"Benchmark\\Stuff\\botmatchexec.txt", nullptr},
            {"Benchmark\\Stuff\\MaxDetail.ini", "[URL]\r\n"},
            {"Benchmark\\Stuff\\MaxDetailUser.ini", "[DefaultPlayer]\r\n"},
            {"Benchmark\\Stuff\\MinDetail.ini", "[URL]\r\n"},
            {"Benchmark\\Stuff\\MinDetailUser.ini", "[DefaultPlayer]\r\n"},
        };
        for (const auto& e : expected) {
            const InstallationFile* file = Find(files, e.path);
            ASSERT_NE(file, nullptr) << e.path;
            EXPECT_EQ(file->relativePath, e.path) << "exact letter case";
            if (e.begins != nullptr) {
                EXPECT_EQ(file->contents.rfind(e.begins, 0), 0u) << e.path;
            }
            // Text files: CR LF everywhere, no bare LF.
            for (std::size_t at = file->contents.find('\n'); at != std::string::npos;
                 at = file->contents.find('\n', at + 1)) {
                ASSERT_TRUE(at > 0 && file->contents[at - 1] == '\r') << e.path << " at " << at;
            }
            EXPECT_EQ(file->contents.find("${"), std::string::npos) << e.path << " unfilled";
        }
        EXPECT_EQ(IniValue(*Find(files, "System\\Manifest.ini"), "UT2003", "version"),
                  edition == Edition::Full ? "2225" : "2206");
    }
    std::vector<std::string> folders = InstallationFolders();
    EXPECT_NE(std::find(folders.begin(), folders.end(), "Benchmark\\CSVs"), folders.end());
}

TEST(SimgameInstallationFiles, DetailFilesAreAtTheirExtremes) {
    const auto files = InstallationFiles(Edition::Full, InstallOptions{});
    const InstallationFile& max = *Find(files, "Benchmark\\Stuff\\MaxDetail.ini");
    const InstallationFile& min = *Find(files, "Benchmark\\Stuff\\MinDetail.ini");
    const struct {
        const char* section;
        const char* key;
        const char* maxValue;
        const char* minValue;
    } keys[] = {
        {"WinDrv.WindowsClient", "TextureDetailWorld", "UltraHigh", "UltraLow"},
        {"WinDrv.WindowsClient", "TextureDetailTerrain", "UltraHigh", "UltraLow"},
        {"D3DDrv.D3DRenderDevice", "DetailTextures", "True", "False"},
        {"D3DDrv.D3DRenderDevice", "Use16bit", "False", "True"},
        {"D3DDrv.D3DRenderDevice", "UseHardwareTL", "True", "True"},
        {"Engine.LevelInfo", "PhysicsDetailLevel", "PDL_High", "PDL_Low"},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(IniValue(max, k.section, k.key), k.maxValue) << k.key;
        EXPECT_EQ(IniValue(min, k.section, k.key), k.minValue) << k.key;
    }
}

TEST(SimgameInstallationFiles, MapsOfEveryPresetWithTheShippedChecksums) {
    const auto full = InstallationFiles(Edition::Full, InstallOptions{});
    for (const char* map : {"DM-Antalus", "DM-Asbestos", "CTF-Face3", "CTF-Citadel", "DM-Inferno",
                            "DOM-SunTemple", "DM-Phobos2", "BR-IceFields", "DOM-OutRigger"}) {
        EXPECT_NE(Find(full, std::string("Maps\\") + map + ".ut2"), nullptr) << map;
    }
    const auto demo = InstallationFiles(Edition::Demo, InstallOptions{});
    EXPECT_LT(ShippedMaps(Edition::Demo).size(), ShippedMaps(Edition::Full).size());
    EXPECT_EQ(Find(demo, "Maps\\CTF-Face3.ut2"), nullptr);

    for (const auto* files : {&full, &demo}) {
        const InstallationFile* antalus = Find(*files, "Maps\\DM-Antalus.ut2");
        const InstallationFile* asbestos = Find(*files, "Maps\\DM-Asbestos.ut2");
        ASSERT_TRUE(antalus != nullptr && asbestos != nullptr);
        EXPECT_EQ(Crc32OfBytes(antalus->contents.data(), antalus->contents.size()),
                  kShippedAntalusCrc);
        EXPECT_EQ(Crc32OfBytes(asbestos->contents.data(), asbestos->contents.size()),
                  kShippedAsbestosCrc);
    }
}

TEST(SimgameInstallationFiles, OptionsLeaveOutOrChangeWhatTheySay) {
    InstallOptions noMaps;
    noMaps.withMaps = false;
    for (const InstallationFile& file : InstallationFiles(Edition::Full, noMaps)) {
        EXPECT_NE(file.relativePath.rfind("Maps\\", 0), 0u) << file.relativePath;
    }
    InstallOptions noStuff;
    noStuff.withBenchmarkStuff = false;
    const auto withoutStuff = InstallationFiles(Edition::Full, noStuff);
    EXPECT_EQ(Find(withoutStuff, "Benchmark\\Stuff\\MaxDetail.ini"), nullptr);
    EXPECT_NE(Find(withoutStuff, "System\\UT2003.ini"), nullptr);
    InstallOptions modified;
    modified.shippedMapChecksums = false;
    const auto modifiedFiles = InstallationFiles(Edition::Full, modified);
    const InstallationFile* antalus = Find(modifiedFiles, "Maps\\DM-Antalus.ut2");
    ASSERT_NE(antalus, nullptr);
    EXPECT_NE(Crc32OfBytes(antalus->contents.data(), antalus->contents.size()), kShippedAntalusCrc);
}

}  // namespace
}  // namespace tarvik::simgame
