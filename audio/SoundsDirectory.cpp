#include "audio/SoundsDirectory.h"

#include <filesystem>
#include <iostream>
#include <system_error>

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

std::vector<std::string> SoundsDirectory::candidates(const std::string& executableDirectory,
                                                     const std::string& installedDirectory) {
    std::vector<std::string> found;
    if (!executableDirectory.empty()) {
        const std::filesystem::path base(executableDirectory);
        found.push_back((base / "sounds/").lexically_normal().string());
        found.push_back((base / "../share/truceward/sounds/").lexically_normal().string());
    }
    if (!installedDirectory.empty()) {
        found.push_back(withTrailingSlash(installedDirectory));
    }
    return found;
}

std::string SoundsDirectory::locate(const std::string& executableDirectory,
                                    const std::string& installedDirectory) {
    for (const std::string& candidate : candidates(executableDirectory, installedDirectory)) {
        if (isDirectory(candidate)) {
            return candidate;
        }
    }
    return "";
}

std::string SoundsDirectory::locateOrReport(const std::string& executableDirectory,
                                            const std::string& installedDirectory) {
    const std::string found = locate(executableDirectory, installedDirectory);
    if (found.empty()) {
        std::cout << "No sounds folder: none of";
        const std::vector<std::string> looked = candidates(executableDirectory, installedDirectory);
        for (std::size_t i = 0; i < looked.size(); ++i) {
            std::cout << (i == 0 ? " " : i + 1 == looked.size() ? " or " : ", ") << looked[i];
        }
        std::cout << " is there; the game plays without sound." << std::endl;
    }
    return found;
}

std::string SoundsDirectory::executableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path()) {
        return "";
    }
    return executable.parent_path().string();
}
