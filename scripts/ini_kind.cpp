#include "scripts/ini_kind.h"

#include <cstddef>
#include <cstdio>

#include "base/stdio_file.h"
#include "base/text.h"

namespace tarvik {
namespace {
constexpr std::size_t kJudgedBytes = 5;
}  // namespace

IniKind IniKindOfStart(std::string_view firstBytes) {
    const std::string_view start = firstBytes.substr(0, kJudgedBytes);
    if (start == "[URL]") {
        return IniKind::System;
    }
    if (start == "[Defa") {
        return IniKind::User;
    }
    return IniKind::Neither;
}

IniKind ClassifyIniFile(const std::string& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) {
        return IniKind::Neither;
    }
    char bytes[kJudgedBytes] = {};
    const std::size_t read = std::fread(bytes, 1, sizeof bytes, file.get());
    return IniKindOfStart(std::string_view(bytes, read));
}

std::string IniNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool HasExtension(const std::string& name, std::string_view extension) {
    return name.size() > extension.size() &&
           EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - extension.size()),
                                   extension);
}

}  // namespace tarvik
