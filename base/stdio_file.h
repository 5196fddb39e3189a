#pragma once
// A stdio file that closes itself. Plain stdio rather than std::filesystem or fstream: on
// Windows it reads narrow names in the ANSI code page, as the rest of the program does, while
// std::filesystem would read them as UTF-8.
#include <cstdio>
#include <memory>
#include <string>

namespace tarvik {

struct StdioFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using StdioFile = std::unique_ptr<std::FILE, StdioFileCloser>;

// Empty when fopen fails; errno then says why.
inline StdioFile OpenStdioFile(const std::string& path, const char* mode) {
    return StdioFile(std::fopen(path.c_str(), mode));
}

}  // namespace tarvik
