#include "base/replace_file.h"

#include <cstdio>

#include "base/stdio_file.h"

namespace tarvik {
namespace {

// POSIX rename replaces the target in one step. Windows' rename refuses an existing target, so
// there the old file is removed first; in that short window the complete new text already
// sits in the temporary file, which is left in place if the second rename fails.
bool MoveOver(const std::string& temp, const std::string& target) {
    if (std::rename(temp.c_str(), target.c_str()) == 0) {
        return true;
    }
    if (std::remove(target.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return std::rename(temp.c_str(), target.c_str()) == 0;
}

}  // namespace

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    StdioFile file = OpenStdioFile(path, "wb");
    if (!file) {
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    ok = std::fflush(file.get()) == 0 && ok;
    ok = std::fclose(file.release()) == 0 && ok;
    if (!ok) {
        std::remove(path.c_str());
    }
    return ok;
}

bool WriteFileReplacing(const std::string& target, std::string_view bytes,
                        std::string_view temporarySuffix) {
    const std::string temp = target + std::string(temporarySuffix);
    return WriteNewFile(temp, bytes) && MoveOver(temp, target);
}

}  // namespace tarvik
