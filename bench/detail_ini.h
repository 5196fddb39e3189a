#pragma once
// The Zandor page's three variants run the game with a system ini made for each press: a copy
// of one of the game's detail ini files with a fixed set of keys changed, removed again after
// the runs. The game's own ini files are never touched.
#include <array>
#include <string>
#include <vector>

namespace tarvik {

enum class DetailVariant { High, Low, Cpu };

// The page's resolution list, by combo box index; the processor test ignores it.
inline constexpr std::array<const char*, 3> kZandorResolutions = {"1024x768", "1280x1024",
                                                                  "1600x1200"};
inline constexpr const char* kCpuTestResolution = "640x480";

struct DetailVariantFiles {
    const char* sourceName;     // in the game's Benchmark\Stuff folder
    const char* generatedName;  // beside it
    const char* systemIni;      // as the game is given them, relative to its System folder
    const char* userIni;
};

struct DetailSetting {
    const char* section;
    const char* key;
    const char* value;
};

const DetailVariantFiles& VariantFiles(DetailVariant variant);
// The keys the variant sets, in the order they are set.
std::vector<DetailSetting> DetailSettings(DetailVariant variant);

std::string DetailSourcePath(const std::string& gameFolder, DetailVariant variant);
std::string DetailIniPath(const std::string& gameFolder, DetailVariant variant);

// High and Low take the page's choice (an index outside the list, as a combo box without a
// selection gives, takes the page's default, the first entry); the processor test always
// runs at kCpuTestResolution.
std::string DetailResolution(DetailVariant variant, int pageResolutionIndex);
// Every run of the variant, in order, with its generated ini pair.
std::vector<std::string> DetailCommandLines(const std::string& gameFolder, DetailVariant variant,
                                            int pageResolutionIndex);

enum class DetailIniResult {
    Made,
    SourceNotCopied,  // the source is missing or unreadable, or the copy cannot be written
    CopyNotOpened,    // the ini engine refused the copy
    CopyNotWritten,   // the changed keys did not reach the disk
};

inline constexpr const char* kDetailIniCaption = "!";
inline constexpr const char* kCantCreateDetailIniMessage = "Can't create custom detail ini";
inline constexpr const char* kCantOpenIniFileMessage = "Can't open ini file";
inline constexpr const char* kCantWriteDetailIniMessage = "Can't write custom detail ini";

// The text the user is shown for a failure (caption kDetailIniCaption); empty for Made.
std::string DetailIniFailureMessage(DetailIniResult result);

// Copies the variant's source over its generated file and sets the variant's keys in it. Only
// Made leaves a file for the runs: after any later failure the copy is deleted, so the game is
// never started with, nor the folder left holding, a half-made ini.
DetailIniResult MakeDetailIni(const std::string& gameFolder, DetailVariant variant);
// The key-setting step on its own, for a copy at copyPath that this owns: a copy the ini engine
// cannot open, or whose changes cannot be written back, is deleted.
DetailIniResult SetDetailKeys(const std::string& copyPath, DetailVariant variant);
// After the runs; a file that cannot be deleted is left, unreported.
void RemoveDetailIni(const std::string& gameFolder, DetailVariant variant);

}  // namespace tarvik
