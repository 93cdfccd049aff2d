#include "scores/FileSaver.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <limits>

#include "scores/FileLock.h"
#include "scores/RegularFileReader.h"

namespace {

// mkstemp's pattern after the file's own name. The word keeps our temporary
// files apart from anything else the user keeps beside the file (such as a
// ".Truceward.backup"), so that cleaning up can never remove one of those.
const char* const kTemporaryInfix = ".saving.";
const char* const kLockSuffix = ".lock";
const char* const kRandomPart = "XXXXXX";
constexpr std::size_t kRandomLength = 6;
// Deeper than any honest chain of links; a loop ends here.
constexpr int kMaxLinkDepth = 40;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0666;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// 0666 less the umask, as the kernel would give a file created by open().
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return kNewFileMode & ~mask;
}

// A rename gives the file the saver's owner and group: give it back the old
// ones where we may (root may give any; a user only their own id and a group
// they are in, so at least the group is kept when the owner cannot be).
// Returns whether the group, at least, is kept.
bool keepOwner(int descriptor, const struct stat& existing) {
    return fchown(descriptor, existing.st_uid, existing.st_gid) == 0 ||
           fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid) == 0;
}

bool writeAll(int descriptor, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// A rename is only durable once its folder is on the disk too.
void syncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        ::close(descriptor);
    }
}

// Overwrites the file itself: not atomic, but the only way left to keep a
// record when the folder takes no temporary file.
bool writeInPlace(const std::string& path, const std::string& bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    bool written = writeAll(descriptor, bytes) &&
                   ftruncate(descriptor, static_cast<off_t>(bytes.size())) == 0 &&
                   fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    return written;
}

bool isTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kRandomLength ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FileSaver::resolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        char target[PATH_MAX];
        const ssize_t length = readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof target) {
            return current;
        }
        const std::string next(target, static_cast<std::size_t>(length));
        current = next[0] == '/' ? next : folderOf(current) + "/" + next;
    }
    return current;
}

bool FileSaver::replace(const std::string& path, const std::string& bytes) {
    const std::string target = resolveLinks(path);
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0)) {
        return false;
    }
    std::string temporary = target + kTemporaryInfix + kRandomPart;
    const int descriptor = mkostemp(&temporary[0], O_CLOEXEC);
    if (descriptor < 0) {
        const bool folderClosed = errno == EACCES || errno == EPERM;
        return exists && folderClosed && writeInPlace(target, bytes);
    }
    if (exists) {
        // Before the mode: a change of owner clears the set-id bits.
        keepOwner(descriptor, existing);
    }
    const mode_t mode = exists ? existing.st_mode & kPermissionBits : newFileMode();
    bool saved =
        fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && fsync(descriptor) == 0;
    saved = ::close(descriptor) == 0 && saved;
    saved = saved && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!saved) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

bool FileSaver::update(const std::string& path, const Change& change,
                       const std::function<void()>& saved, std::uint64_t maxBytes) {
    const std::string target = resolveLinks(path);
    const FileLock lock(target + kLockSuffix, folderOf(target));
    if (!lock.mayWrite()) {
        return false;
    }
    RegularFileReader file(target, maxBytes);
    std::istream in(&file);
    std::string bytes;
    if (!change(in, file.status() == RegularFileReader::Missing, bytes)) {
        return false;
    }
    // The status is final only at the end of the file.
    in.ignore(std::numeric_limits<std::streamsize>::max());
    if (file.status() == RegularFileReader::Failed) {
        return false;
    }
    removeLeftovers(target);
    if (!replace(target, bytes)) {
        return false;
    }
    if (saved) {
        saved();
    }
    return true;
}

void FileSaver::removeLeftovers(const std::string& path) {
    const std::string target = resolveLinks(path);
    const std::string folder = folderOf(target);
    const std::string prefix = nameOf(target) + kTemporaryInfix;
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (!isTemporaryName(name, prefix)) {
            continue;
        }
        const std::string leftover = folder + "/" + name;
        struct stat info;
        if (lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            ::unlink(leftover.c_str());
        }
    }
    closedir(listing);
}
