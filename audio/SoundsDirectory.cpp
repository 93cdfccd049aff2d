#include "audio/SoundsDirectory.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

std::string withTrailingSlash(const std::string& path) {
    if (path.empty() || path.back() == '/') {
        return path;
    }
    return path + "/";
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

std::string SoundsDirectory::locate(const std::string& executableDirectory,
                                    const std::string& installedDirectory) {
    std::vector<std::string> candidates;
    if (!executableDirectory.empty()) {
        const std::filesystem::path base(executableDirectory);
        candidates.push_back((base / "sounds/").lexically_normal().string());
        candidates.push_back((base / "../share/truceward/sounds/").lexically_normal().string());
    }
    if (!installedDirectory.empty()) {
        candidates.push_back(installedDirectory);
    }
    for (const std::string& candidate : candidates) {
        if (isDirectory(candidate)) {
            return withTrailingSlash(candidate);
        }
    }
    return "";
}

std::string SoundsDirectory::executableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path()) {
        return "";
    }
    return executable.parent_path().string();
}
