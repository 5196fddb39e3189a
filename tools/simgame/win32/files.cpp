#include "tools/simgame/win32/files.h"

#include <windows.h>

#include <algorithm>

#include "base/format.h"
#include "base/win32/handles.h"
#include "tools/simgame/game_paths.h"

namespace tarvik::simgame {
namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD done = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

bool WriteFileWith(const std::string& path, const std::string& bytes, DWORD disposition) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const bool written = WriteAll(file.Get(), bytes);
    file.Reset();
    if (!written) {
        ::DeleteFileA(path.c_str());
    }
    return written;
}

std::string TemporaryNameBeside(const std::string& path) {
    return Format("%s.~%lu.tmp", path.c_str(), static_cast<unsigned long>(::GetCurrentProcessId()));
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string* bytes) {
    bytes->clear();
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    char block[65536];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), block, sizeof block, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        bytes->append(block, read);
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryNameBeside(path);
    if (!WriteFileWith(temporary, bytes, CREATE_ALWAYS)) {
        return false;
    }
    if (!::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        ::SetLastError(error);
        return false;
    }
    return true;
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryNameBeside(path);
    if (!WriteFileWith(temporary, bytes, CREATE_ALWAYS)) {
        return false;
    }
    // MoveFile never replaces an existing file.
    if (!::MoveFileA(temporary.c_str(), path.c_str())) {
        const DWORD error = ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        ::SetLastError(error);
        return false;
    }
    return true;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    FileHandle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), bytes);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolders(const std::string& path) {
    if (path.empty() || FolderExists(path)) {
        return !path.empty();
    }
    const std::string parent = FolderOf(path);
    // A drive root ("C:") has no parent to make.
    if (!parent.empty() && parent.back() != ':' && !MakeFolders(parent)) {
        return false;
    }
    return ::CreateDirectoryA(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    FindHandle find(::FindFirstFileA((folder + "\\" + pattern).c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(entry.cFileName);
        }
    } while (::FindNextFileA(find.Get(), &entry));
    return names;
}

std::string ProgramFolder() {
    char path[MAX_PATH * 2] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return FolderOf(std::string(path, length));
}

std::optional<std::string> EnvironmentValue(const char* name) {
    const DWORD size = ::GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::string value(size, '\0');
    const DWORD length = ::GetEnvironmentVariableA(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::string WithLastError(const std::string& text) {
    const DWORD error = ::GetLastError();
    char message[512] = {};
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                     message, sizeof message, nullptr);
    std::string description = message;
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r' ||
                                    description.back() == ' ' || description.back() == '.')) {
        description.pop_back();
    }
    return Format("%s (error %lu: %s)", text.c_str(), static_cast<unsigned long>(error),
                  description.c_str());
}

}  // namespace tarvik::simgame
