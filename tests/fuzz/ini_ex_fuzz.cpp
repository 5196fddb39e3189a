// Feeds arbitrary files to CIniEx: reading alone must leave the file as it was, and values
// set through the engine must read back after a close and reopen.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "scripts/ini_ex.h"

namespace {

using tarvik::CIniEx;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// A folder of its own for the fuzzing process, memory-backed when there is such a folder
// (replacing a file by rename is slow on a disk), removed when the process ends.
struct ScratchFolder {
    ScratchFolder() {
        for (const char* base : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(base) + "/tarvik-ini-fuzz-XXXXXX";
            if (mkdtemp(pattern.data()) != nullptr) {
                path = pattern;
                return;
            }
        }
        __builtin_trap();
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    std::string path;
};

const std::string& ScratchFile() {
    static const ScratchFolder folder;
    static const std::string file = folder.path + "/fuzz.ini";
    return file;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool Same(const std::string& a, const std::string& b, bool caseInsensitive) {
    return caseInsensitive ? tarvik::EqualsIgnoringAsciiCase(a, b) : a == b;
}

std::string CutComment(const std::string& value) {
    return value.substr(0, value.rfind(';'));
}

// The file's lines as the engine splits them.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end + 1;
        if (end == std::string::npos) {
            end = next = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

bool IsHeader(const std::string& line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

// Lines that are written back differently from how they were read: a "[]" header is dropped
// (its lines join the section before), and a line with an empty key but a value loses its "=".
bool RewritesDifferently(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line == "[]" || (line.size() > 1 && line[0] == '=')) {
            return true;
        }
    }
    return false;
}

struct KeyLine {
    std::string section;
    std::string key;
};

std::vector<KeyLine> KeyLines(const std::vector<std::string>& lines) {
    std::vector<KeyLine> found;
    std::string section;
    for (const std::string& line : lines) {
        if (IsHeader(line)) {
            section = line.substr(1, line.size() - 2);
        } else {
            found.push_back({section, line.substr(0, line.find('='))});
        }
    }
    return found;
}

struct Assignment {
    std::string section;
    std::string key;
    std::string value;
};

// Whether the key=value line the engine writes reads back as that line, in that section.
bool SurvivesRewrite(const Assignment& a) {
    const auto hasLineFeed = [](const std::string& text) {
        return text.find('\n') != std::string::npos;
    };
    if (hasLineFeed(a.section) || hasLineFeed(a.key) || hasLineFeed(a.value)) {
        return false;
    }
    if (a.key.empty() || a.key.find('=') != std::string::npos) {
        return false;
    }
    return !IsHeader(a.key + "=" + a.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool caseInsensitive = input.ConsumeBool();
    std::vector<std::pair<int, std::vector<std::string>>> operations;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        const int kind = input.ConsumeIntegralInRange(0, 2);
        const std::size_t pick = input.ConsumeIntegral<std::uint8_t>();
        std::vector<std::string> texts;
        for (int t = 0; t < 3; ++t) {
            texts.push_back(input.ConsumeRandomLengthString(24));
        }
        texts.push_back(std::to_string(pick));
        operations.push_back({kind, texts});
    }
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::vector<std::string> lines = Lines(text);
    const std::vector<KeyLine> existing = KeyLines(lines);
    const std::string& path = ScratchFile();
    WriteFile(path, text);

    // Reading alone never rewrites the file.
    {
        CIniEx ini;
        Check(ini.Open(path, true, false, caseInsensitive, false));
        for (const KeyLine& line : existing) {
            ini.GetValue(line.section, line.key, "");
        }
        Check(!ini.IsModified());
        Check(ini.Close());
        Check(ReadFile(path) == text);
    }

    // Kind 0 sets an existing key, kind 1 a new key in an existing section, kind 2 anything.
    std::vector<Assignment> assignments;
    for (const auto& [kind, texts] : operations) {
        Assignment a{texts[0], texts[1], texts[2]};
        if (!existing.empty() && kind != 2) {
            const KeyLine& line = existing[std::stoul(texts[3]) % existing.size()];
            a.section = line.section;
            if (kind == 0) {
                a.key = line.key;
            }
        }
        assignments.push_back(a);
    }

    CIniEx ini;
    Check(ini.Open(path, true, false, caseInsensitive, false));
    for (const Assignment& a : assignments) {
        ini.SetValue(a.section, a.key, a.value);
    }
    // Only the last assignment to a section and key counts.
    std::vector<Assignment> latest;
    for (std::size_t i = 0; i < assignments.size(); ++i) {
        bool overwritten = false;
        for (std::size_t j = i + 1; j < assignments.size(); ++j) {
            overwritten = overwritten ||
                          (Same(assignments[i].section, assignments[j].section, caseInsensitive) &&
                           Same(assignments[i].key, assignments[j].key, caseInsensitive));
        }
        if (!overwritten) {
            latest.push_back(assignments[i]);
        }
    }
    for (const Assignment& a : latest) {
        Check(ini.GetValue(a.section, a.key, "\x01missing") == CutComment(a.value));
    }
    Check(ini.Close());

    // One line that reads back differently (a line feed, a key with "=", a line that looks like
    // a header) can move the lines after it, so any such line ends the comparison.
    if (RewritesDifferently(lines) ||
        !std::all_of(assignments.begin(), assignments.end(), SurvivesRewrite)) {
        return 0;
    }
    Check(ini.Open(path, false, false, caseInsensitive, false));
    for (const Assignment& a : latest) {
        // A change of letter case alone is not written when case does not count.
        Check(Same(ini.GetValue(a.section, a.key, "\x01missing"), CutComment(a.value),
                   caseInsensitive));
    }
    return 0;
}
