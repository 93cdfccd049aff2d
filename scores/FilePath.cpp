#include "scores/FilePath.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace {

const char* const kUserFolders[] = {"/Library", "/Application Support", "/Truceward"};
constexpr mode_t kFolderMode = 0755;

bool isDirectory(const std::string& path) {
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        return false;
    }
    closedir(dir);
    return true;
}

}  // namespace

// HOME first, then the password database. An empty HOME counts as unset: it
// would put the folders at the root of the file system. With neither, the
// current directory stands in, so that the game can still keep its files.
std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] != '\0') {
        return entry->pw_dir;
    }
    return ".";
}

std::string getFilePath() {
    std::string path = homeDirectory();
    const std::string home = path;
    for (const char* folder : kUserFolders) {
        path += folder;
    }
    if (isDirectory(path)) {
        return path;
    }
    // The home directory itself is never created: only the folders below it.
    bool created = isDirectory(home);
    std::string partial = home;
    for (const char* folder : kUserFolders) {
        if (!created) {
            break;
        }
        partial += folder;
        created =
            mkdir(partial.c_str(), kFolderMode) == 0 || (errno == EEXIST && isDirectory(partial));
    }
    if (created) {
        std::cout << "Created directory " << path << std::endl;
    } else {
        std::cout << "Could not create directory " << path << std::endl;
    }
    return path;
}
