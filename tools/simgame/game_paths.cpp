#include "tools/simgame/game_paths.h"

#include <cctype>
#include <cstddef>

#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

std::string WithBackslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

bool IsAbsolute(const std::string& path) {
    const bool driveLetter =
        path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
    return driveLetter || (!path.empty() && path[0] == '\\');
}

// The backslash-separated steps of a path.
std::vector<std::string> Steps(const std::string& path) {
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        steps.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return steps;
}

}  // namespace

std::string ResolveGamePath(const std::string& systemFolder, const std::string& path) {
    const std::string given = WithBackslashes(path);
    if (IsAbsolute(given)) {
        return path;
    }
    // ".." never climbs above the folder's root: a drive such as "C:" or a share "\\host\share".
    const std::string folder = WithBackslashes(systemFolder);
    std::size_t rootEnd = folder.find('\\');
    if (folder.rfind("\\\\", 0) == 0) {
        const std::size_t hostEnd = folder.find('\\', 2);
        rootEnd = hostEnd == std::string::npos ? hostEnd : folder.find('\\', hostEnd + 1);
    }
    const std::string root = folder.substr(0, rootEnd);
    const std::string below = rootEnd == std::string::npos ? "" : folder.substr(rootEnd + 1);

    std::vector<std::string> kept;
    auto walk = [&kept](const std::string& step) {
        if (step.empty() || step == ".") {
            return;
        }
        if (step == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
            return;
        }
        kept.push_back(step);
    };
    for (const std::string& step : Steps(below)) {
        walk(step);
    }
    for (const std::string& step : Steps(given)) {
        walk(step);
    }
    std::string joined = root;
    for (const std::string& step : kept) {
        joined += "\\" + step;
    }
    return kept.empty() ? joined + "\\" : joined;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = WithBackslashes(path).find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::optional<std::string> FindNameIgnoringCase(const std::vector<std::string>& names,
                                                const std::string& wanted) {
    for (const std::string& name : names) {
        if (EqualIgnoringCase(name, wanted)) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace tarvik::simgame
