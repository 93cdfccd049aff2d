#include "app/PictureSaver.h"

#include <GL/gl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <vector>

#include "graphics/PngEncoder.h"
#include "scores/FilePath.h"

namespace {

const char* const kOwnFolder = "/Truceward";
const char* const kDefaultPictures = "/Pictures";
const char* const kUserDirsFile = "/user-dirs.dirs";
const char* const kPicturesKey = "XDG_PICTURES_DIR=";
const char* const kHomeVariable = "$HOME";
constexpr mode_t kFolderMode = 0755;
constexpr mode_t kFileMode = 0666;
constexpr int kBytesPerPixel = 3;
// More pictures than this in one second are not taken.
constexpr int kMostPerSecond = 100;

// XDG_PICTURES_DIR of the user's user-dirs.dirs, "$HOME/..." or an absolute
// path in double quotes; empty when the file has none, or names the home
// itself (which means the folder is switched off).
std::string picturesFromUserDirs(const std::string& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config =
        configHome != nullptr && configHome[0] == '/' ? configHome : home + "/.config";
    std::ifstream in(config + kUserDirsFile);
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        if (line.rfind(kPicturesKey, 0) != 0) {
            continue;
        }
        std::string value = line.substr(std::string(kPicturesKey).size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
            continue;
        }
        value = value.substr(1, value.size() - 2);
        if (value.rfind(kHomeVariable, 0) == 0) {
            value = home + value.substr(std::string(kHomeVariable).size());
        }
        found = value.empty() || value[0] != '/' ? "" : value;
    }
    while (found.size() > 1 && found.back() == '/') {
        found.pop_back();
    }
    return found == home ? "" : found;
}

// Makes `path` and the folders above it that are missing.
bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writeAll(int descriptor, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::string PictureSaver::folder() {
    const std::string home = homeDirectory();
    const std::string pictures = picturesFromUserDirs(home);
    return (pictures.empty() ? home + kDefaultPictures : pictures) + kOwnFolder;
}

std::string PictureSaver::save(int width, int height) {
    std::vector<unsigned char> bottomUp(static_cast<std::size_t>(width) * height * kBytesPerPixel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> topDown(bottomUp.size());
    const auto rowBytes = static_cast<std::size_t>(width) * kBytesPerPixel;
    for (int row = 0; row < height; ++row) {
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(row * rowBytes), rowBytes,
                    topDown.begin() + static_cast<std::ptrdiff_t>((height - 1 - row) * rowBytes));
    }
    const std::string bytes = encodePng(width, height, topDown.data());

    const std::string where = folder();
    const std::time_t now = std::time(nullptr);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", std::localtime(&now));
    if (makeFolders(where)) {
        for (int count = 1; count <= kMostPerSecond; ++count) {
            const std::string path = where + "/truceward-" + stamp +
                                     (count > 1 ? "-" + std::to_string(count) : "") + ".png";
            const int descriptor =
                ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
            if (descriptor < 0 && errno == EEXIST) {
                continue;
            }
            if (descriptor < 0) {
                break;
            }
            const bool written = writeAll(descriptor, bytes);
            if (::close(descriptor) == 0 && written) {
                std::cout << "Picture saved as " << path << std::endl;
                return path;
            }
            ::unlink(path.c_str());
            break;
        }
    }
    std::cout << "Could not save a picture in " << where << std::endl;
    return "";
}
