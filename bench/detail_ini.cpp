#include "bench/detail_ini.h"

#include <cstddef>
#include <cstdio>

#include "base/format.h"
#include "base/replace_file.h"
#include "base/stdio_file.h"
#include "bench/command_lines.h"
#include "scripts/ini_ex.h"

namespace tarvik {
namespace {

// Windows paths use backslashes; elsewhere (the native tests) the same layout uses slashes.
#ifdef _WIN32
constexpr const char* kStuffFilePattern = "%s\\Benchmark\\Stuff\\%s";
#else
constexpr const char* kStuffFilePattern = "%s/Benchmark/Stuff/%s";
#endif

// By DetailVariant.
constexpr DetailVariantFiles kVariantFiles[] = {
    {"MaxDetail.ini", "OrlimarDetailHigh.ini", "..\\Benchmark\\Stuff\\OrlimarDetailHigh.ini",
     "..\\Benchmark\\Stuff\\MaxDetailUser.ini"},
    {"MinDetail.ini", "OrlimarDetailLow.ini", "..\\Benchmark\\Stuff\\OrlimarDetailLow.ini",
     "..\\Benchmark\\Stuff\\MinDetailUser.ini"},
    {"MinDetail.ini", "OrlimarDetailCpu.ini", "..\\Benchmark\\Stuff\\OrlimarDetailCpu.ini",
     "..\\Benchmark\\Stuff\\MinDetailUser.ini"},
};

constexpr const char* kClient = "WinDrv.WindowsClient";
constexpr const char* kRenderDevice = "D3DDrv.D3DRenderDevice";

struct SettingRow {
    const char* section;
    const char* key;
    const char* values[3];  // by DetailVariant; nullptr keeps the source's value
};

// In the order the keys are set. The level-of-detail biases have opposite signs on purpose:
// negative sharpens textures for High, positive blurs them for Low and the processor test.
constexpr SettingRow kSettingRows[] = {
    {kClient, "ScreenFlashes", {nullptr, "False", "False"}},
    {kClient, "NoLighting", {nullptr, "True", "True"}},
    {kClient, "MinDesiredFrameRate", {"0.0", "0.0", "0.0"}},
    {kClient, "TextureMaxLOD", {"-0.8", "0.8", "0.8"}},
    {kClient, "TextureMinLOD", {"-0.8", "0.8", "0.8"}},
    {kRenderDevice, "UseTripleBuffering", {"True", nullptr, nullptr}},
    {kRenderDevice, "UseCompressedLightmaps", {"False", nullptr, nullptr}},
    {kRenderDevice, "DetailTexMipBias", {"-0.8", nullptr, nullptr}},
    {kRenderDevice, "Use16bit", {nullptr, "False", nullptr}},
    {kRenderDevice, "UseHardwareTL", {nullptr, nullptr, "False"}},
    {kRenderDevice, "UseHardwareVS", {nullptr, nullptr, "False"}},
    {kRenderDevice, "Use16bitTextures", {nullptr, nullptr, "True"}},
    {kRenderDevice, "DefaultTexMipBias", {"-0.8", "0.8", "0.8"}},
};

std::size_t IndexOf(DetailVariant variant) {
    return static_cast<std::size_t>(variant);
}

// The source's bytes as they are, so the copy differs from it only where a key is set.
bool CopyFileBytes(const std::string& from, const std::string& to) {
    StdioFile source = OpenStdioFile(from, "rb");
    if (!source) {
        return false;
    }
    std::string bytes;
    char chunk[4096];
    for (std::size_t got = 0; (got = std::fread(chunk, 1, sizeof chunk, source.get())) != 0;) {
        bytes.append(chunk, got);
    }
    return !std::ferror(source.get()) && WriteNewFile(to, bytes);
}

}  // namespace

const DetailVariantFiles& VariantFiles(DetailVariant variant) {
    return kVariantFiles[IndexOf(variant)];
}

std::vector<DetailSetting> DetailSettings(DetailVariant variant) {
    std::vector<DetailSetting> settings;
    for (const SettingRow& row : kSettingRows) {
        if (const char* value = row.values[IndexOf(variant)]) {
            settings.push_back({row.section, row.key, value});
        }
    }
    return settings;
}

std::string DetailSourcePath(const std::string& gameFolder, DetailVariant variant) {
    return Format(kStuffFilePattern, gameFolder.c_str(), VariantFiles(variant).sourceName);
}

std::string DetailIniPath(const std::string& gameFolder, DetailVariant variant) {
    return Format(kStuffFilePattern, gameFolder.c_str(), VariantFiles(variant).generatedName);
}

std::string DetailResolution(DetailVariant variant, int pageResolutionIndex) {
    if (variant == DetailVariant::Cpu) {
        return kCpuTestResolution;
    }
    const bool listed = pageResolutionIndex >= 0 &&
                        static_cast<std::size_t>(pageResolutionIndex) < kZandorResolutions.size();
    return kZandorResolutions[listed ? static_cast<std::size_t>(pageResolutionIndex) : 0];
}

std::vector<std::string> DetailCommandLines(const std::string& gameFolder, DetailVariant variant,
                                            int pageResolutionIndex) {
    const DetailVariantFiles& files = VariantFiles(variant);
    const std::string resolution = DetailResolution(variant, pageResolutionIndex);
    const auto lines =
        variant == DetailVariant::Cpu ? ZandorCpuCommandLines : ZandorFlybyCommandLines;
    return lines(gameFolder, files.systemIni, files.userIni, resolution);
}

std::string DetailIniFailureMessage(DetailIniResult result) {
    switch (result) {
        case DetailIniResult::Made:
            return {};
        case DetailIniResult::SourceNotCopied:
            return kCantCreateDetailIniMessage;
        case DetailIniResult::CopyNotOpened:
            return kCantOpenIniFileMessage;
        case DetailIniResult::CopyNotWritten:
            return kCantWriteDetailIniMessage;
    }
    return {};
}

DetailIniResult MakeDetailIni(const std::string& gameFolder, DetailVariant variant) {
    const std::string copyPath = DetailIniPath(gameFolder, variant);
    if (!CopyFileBytes(DetailSourcePath(gameFolder, variant), copyPath)) {
        return DetailIniResult::SourceNotCopied;
    }
    return SetDetailKeys(copyPath, variant);
}

DetailIniResult SetDetailKeys(const std::string& copyPath, DetailVariant variant) {
    CIniEx ini;
    if (!ini.Open(copyPath, /*writeBackOnClose=*/true, /*createIfMissing=*/false,
                  /*caseInsensitive=*/true, /*backupOnWrite=*/false)) {
        std::remove(copyPath.c_str());
        return DetailIniResult::CopyNotOpened;
    }
    for (const DetailSetting& setting : DetailSettings(variant)) {
        ini.SetValue(setting.section, setting.key, setting.value);
    }
    // Closed here, not by the destructor, so the game finds the changes on disk and a failed
    // write is known before any run starts.
    if (!ini.Close()) {
        std::remove(copyPath.c_str());
        return DetailIniResult::CopyNotWritten;
    }
    return DetailIniResult::Made;
}

void RemoveDetailIni(const std::string& gameFolder, DetailVariant variant) {
    std::remove(DetailIniPath(gameFolder, variant).c_str());
}

}  // namespace tarvik
