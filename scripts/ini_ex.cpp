#include "scripts/ini_ex.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/format.h"
#include "base/replace_file.h"
#include "base/stdio_file.h"
#include "base/text.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

// Reads to the end, or up to a read error; what was read until then is kept.
std::string ReadAll(std::FILE* file) {
    std::string text;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    return text;
}

// A file that cannot be opened for update (read-only, locked, a folder) must not be replaced,
// just as it could not have been rewritten in place. A missing file may be created.
bool MayReplace(const std::string& path) {
    errno = 0;
    if (OpenStdioFile(path, "r+b")) {
        return true;
    }
    return errno == ENOENT;
}

// A missing source counts as copied: there is nothing to keep.
bool CopyIfPresent(const std::string& from, const std::string& to) {
    StdioFile source = OpenStdioFile(from, "rb");
    if (!source) {
        return true;
    }
    const std::string text = ReadAll(source.get());
    return !std::ferror(source.get()) && WriteNewFile(to, text);
}

// The highest suffix number among the folder's entries whose names start with stem (as the
// pattern "stem*.*" matches on Windows). A folder that cannot be listed counts as empty.
int HighestSuffix(const std::string& folder, const std::string& stem) noexcept {
    int highest = 0;
    try {
        std::error_code error;
        fs::directory_iterator entry(folder.empty() ? fs::path(".") : fs::path(folder), error);
        for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
            const std::string name = entry->path().filename().string();
            if (name.size() >= stem.size() &&
                EqualsIgnoringAsciiCase(name.substr(0, stem.size()), stem)) {
                highest = std::max(highest, BackupSuffixNumber(name));
            }
        }
    } catch (...) {
        // A name the path type cannot convert: keep what was counted.
    }
    return highest;
}

}  // namespace

int BackupSuffixNumber(std::string_view name) {
    std::string_view digits = name.substr(name.size() - std::min<std::size_t>(3, name.size()));
    // Only blanks are skipped before the number, not the rest of atoi's white space.
    digits.remove_prefix(std::min(digits.find_first_not_of(' '), digits.size()));
    return SignedInteger(digits);
}

CIniEx::CIniEx(int growthStep) : growthStep_(std::max(1, growthStep)) {
    Clear();
}

CIniEx::~CIniEx() {
    Close();
}

bool CIniEx::Open(const std::string& path, bool writeBackOnClose, bool createIfMissing,
                  bool caseInsensitive, bool backupOnWrite) {
    if (!fileName_.empty()) {
        WriteBack(false);
        Clear();
    }
    writeBackOnClose_ = writeBackOnClose;
    caseInsensitive_ = caseInsensitive;
    backupOnWrite_ = backupOnWrite;

    if (createIfMissing) {
        // Append mode creates a missing file and never truncates an existing one.
        OpenStdioFile(path, "ab");
    }
    // Asking for write access too, so that a read-only file is refused even for reading.
    StdioFile file = OpenStdioFile(path, "r+b");
    if (!file) {
        return false;
    }
    fileName_ = path;
    ReadLines(ReadAll(file.get()));
    return true;
}

void CIniEx::ReadLines(const std::string& text) {
    int current = 0;
    std::string currentName;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end + 1;
        if (end == std::string::npos) {
            end = next = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        const std::string_view line(text.data() + start, end - start);
        start = next;

        if (!line.empty() && line.front() == '[' && line.back() == ']') {
            current = AddSection();
            currentName.assign(line.substr(1, line.size() - 2));
            continue;
        }
        Section& section = sections_[current];
        const std::size_t equals = line.find('=');
        section.keys.emplace_back(line.substr(0, equals));
        section.values.emplace_back(equals == std::string_view::npos ? std::string_view()
                                                                     : line.substr(equals + 1));
        if (current >= namedSections_) {
            RecordName(current, currentName);
        }
    }
}

int CIniEx::AddSection() {
    if (sections_.size() == sections_.capacity()) {
        // Whole growth steps, but at least doubling, so that a big file is not quadratic.
        const std::size_t step = static_cast<std::size_t>(growthStep_);
        const std::size_t wanted = std::max(sections_.capacity() * 2, sections_.capacity() + step);
        sections_.reserve((wanted + step - 1) / step * step);
    }
    sections_.emplace_back();
    return static_cast<int>(sections_.size()) - 1;
}

void CIniEx::RecordName(int section, const std::string& name) {
    sections_[static_cast<std::size_t>(section)].name = name;
    namedSections_ = std::max(namedSections_, section + 1);
}

bool CIniEx::Same(const std::string& a, const std::string& b) const {
    return caseInsensitive_ ? EqualsIgnoringAsciiCase(a, b) : a == b;
}

int CIniEx::FindSection(const std::string& name) const {
    for (int i = 0; i < namedSections_; ++i) {
        if (Same(sections_[static_cast<std::size_t>(i)].name, name)) {
            return i;
        }
    }
    return -1;
}

int CIniEx::FindKey(int section, const std::string& key) const {
    if (section < 0 || section >= static_cast<int>(sections_.size())) {
        return -1;
    }
    const std::vector<std::string>& keys = sections_[static_cast<std::size_t>(section)].keys;
    for (std::size_t i = keys.size(); i-- > 0;) {
        if (Same(keys[i], key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string CIniEx::GetValue(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const {
    const int sectionIndex = FindSection(section);
    const int keyIndex = FindKey(sectionIndex, key);
    if (keyIndex < 0) {
        return defaultValue;
    }
    const std::string& value = sections_[static_cast<std::size_t>(sectionIndex)]
                                   .values[static_cast<std::size_t>(keyIndex)];
    return value.substr(0, value.rfind(';'));
}

void CIniEx::SetValue(const std::string& section, const std::string& key,
                      const std::string& value) {
    int sectionIndex = FindSection(section);
    if (sectionIndex < 0) {
        modified_ = true;
        sectionIndex = AddSection();
        RecordName(sectionIndex, section);
    }
    Section& lines = sections_[static_cast<std::size_t>(sectionIndex)];
    const int keyIndex = FindKey(sectionIndex, key);
    if (keyIndex < 0) {
        modified_ = true;
        lines.keys.push_back(key);
        lines.values.push_back(value);
        return;
    }
    std::string& stored = lines.values[static_cast<std::size_t>(keyIndex)];
    if (!Same(stored, value)) {
        modified_ = true;
    }
    stored = value;
}

void CIniEx::DropAllLines() {
    if (sections_.size() > 1 || (!sections_.empty() && !sections_[0].keys.empty())) {
        modified_ = true;
    }
    sections_.clear();
    AddSection();
    // Section 0 counts as named (its name is empty) even before it has a line, so that a value
    // set for section "" lands there and is found again, in memory as after a reread.
    namedSections_ = 1;
}

std::string CIniEx::Text() const {
    std::string text;
    for (int i = 0; i < namedSections_; ++i) {
        const Section& section = sections_[static_cast<std::size_t>(i)];
        if (!section.name.empty()) {
            text += '[';
            text += section.name;
            text += "]\r\n";
        }
        for (std::size_t line = 0; line < section.keys.size(); ++line) {
            text += section.keys[line];
            if (!section.keys[line].empty()) {
                text += '=';
            }
            text += section.values[line];
            text += "\r\n";
        }
    }
    return text;
}

std::string CIniEx::MakeBackupName() const {
    const std::size_t slash = fileName_.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = fileName_.substr(0, nameStart);
    std::string stem = fileName_.substr(nameStart);
    // Only the file name's own extension goes; a name without one is used whole.
    const std::size_t dot = stem.rfind('.');
    if (dot != std::string::npos) {
        stem.erase(dot);
    }
    return Format("%s.%.3d", fileName_.c_str(), HighestSuffix(folder, stem) + 1);
}

WriteBackResult CIniEx::WriteBack(bool makeBackup) {
    WriteBackResult result;
    if (!modified_) {
        return result;
    }
    result.ok = false;
    if (fileName_.empty() || !MayReplace(fileName_)) {
        return result;
    }
    if (makeBackup) {
        if (backupName_.empty()) {
            backupName_ = MakeBackupName();
        }
        if (!CopyIfPresent(fileName_, backupName_)) {
            return result;
        }
        result.backupName = backupName_;
    }
    if (!WriteFileReplacing(fileName_, Text(), kIniTempSuffix)) {
        return result;
    }
    modified_ = false;
    result.ok = true;
    return result;
}

bool CIniEx::Close() {
    bool ok = true;
    if (writeBackOnClose_ && !fileName_.empty()) {
        ok = WriteBack(backupOnWrite_).ok;
    }
    Clear();
    return ok;
}

void CIniEx::Clear() {
    DropAllLines();
    fileName_.clear();
    backupName_.clear();
    modified_ = false;
}

}  // namespace tarvik
