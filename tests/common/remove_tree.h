#pragma once
// Removes a test's temporary tree, also when the test took permissions away inside it.
#include <filesystem>
#include <system_error>

namespace tarvik {

inline void RemoveTestTree(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root, error);
}

}  // namespace tarvik
