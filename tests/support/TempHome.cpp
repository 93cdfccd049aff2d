#include "tests/support/TempHome.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

std::string makeTempDirectory(const std::string& prefix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") + "/" + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory from " + pattern);
    }
    return buffer.data();
}

TempHome::TempHome() : path(makeTempDirectory("truceward-home-")) {
    const char* old = std::getenv("HOME");
    hadPrevious = old != nullptr;
    if (hadPrevious) {
        previous = old;
    }
    setenv("HOME", path.c_str(), 1);
}

TempHome::~TempHome() {
    if (hadPrevious) {
        setenv("HOME", previous.c_str(), 1);
    } else {
        unsetenv("HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TempHome::userDirectory() const {
    return path + "/Library/Application Support/Truceward";
}
