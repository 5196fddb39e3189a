#pragma once
// CIniEx: the program's own ini reader and writer. The whole file is kept in memory as
// sections of key/value lines and written back whole, so lines it does not understand
// (comments, blank lines, lines without "=") keep their place.
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// Appended to the file name for the file that a write-back fills before it replaces the target.
inline constexpr const char* kIniTempSuffix = ".tvtmp";

// The number a backup name ends with: its last three characters, after any blanks, read as a
// sign and digits ("UT2003.ini.007" gives 7, "UT2003.ini.1a2" gives 1).
int BackupSuffixNumber(std::string_view name);

struct WriteBackResult {
    bool ok = true;          // also true when nothing needed writing
    std::string backupName;  // the backup copy made by this write, or empty
};

class CIniEx {
  public:
    explicit CIniEx(int growthStep = 4);
    ~CIniEx();  // Close()
    CIniEx(const CIniEx&) = delete;
    CIniEx& operator=(const CIniEx&) = delete;

    // Loads the whole file. The file must be readable and writable: a read-only, missing (unless
    // createIfMissing) or locked file is refused. A file that was open before is written back
    // first (whatever its write-back flag) and forgotten; call Close() first to learn whether
    // that write worked.
    bool Open(const std::string& path, bool writeBackOnClose, bool createIfMissing,
              bool caseInsensitive, bool backupOnWrite);

    // The value with any trailing comment (from the last ";") cut off, or defaultValue.
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    // Forgets every line of the open file, as if it had been opened empty. The file itself
    // changes only when written back, so a failed write leaves the old text in place.
    void DropAllLines();

    // Writes the file if it was modified: complete text to a temporary file beside it, then
    // that file replaces the target, so a failure never leaves a truncated file behind.
    WriteBackResult WriteBack(bool makeBackup);
    // Writes back when the write-back flag is set, then Clear(). False when the write failed.
    bool Close();
    void Clear();

    bool IsModified() const { return modified_; }
    const std::string& FileName() const { return fileName_; }

    int FindSection(const std::string& name) const;
    int FindKey(int section, const std::string& key) const;

  private:
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;  // parallel to keys
    };

    bool Same(const std::string& a, const std::string& b) const;
    int AddSection();
    void RecordName(int section, const std::string& name);
    void ReadLines(const std::string& text);
    std::string Text() const;
    std::string MakeBackupName() const;

    int growthStep_;
    bool writeBackOnClose_ = false;
    bool caseInsensitive_ = true;
    bool backupOnWrite_ = false;
    bool modified_ = false;
    std::string fileName_;
    std::string backupName_;
    std::vector<Section> sections_;
    // Sections from this index on have no recorded name: they are not found and not written.
    int namedSections_ = 1;
};

}  // namespace tarvik
