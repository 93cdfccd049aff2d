#include "scores/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;
// A save takes milliseconds; a holder that keeps the lock this long is stuck.
constexpr std::chrono::milliseconds kLongestWait(5000);
constexpr useconds_t kPollMicroseconds = 10000;
// Anyone's lock file may be used: the lock is between games, not users.
constexpr mode_t kLockFileMode = 0666;

// The lock file, opened for writing where we may (flock over NFS needs that)
// and for reading only where not (flock itself does not); created when
// missing (then `created` is set). -1 when it can be neither opened nor
// created, or is no ordinary file (a FIFO or a device is not opened for long,
// and never blocks us).
int openLockFile(const std::string& path, bool& created) {
    created = false;
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    for (;;) {
        int descriptor = ::open(path.c_str(), O_RDWR | kFlags);
        if (descriptor < 0 && errno == EACCES) {
            descriptor = ::open(path.c_str(), O_RDONLY | kFlags);
        }
        if (descriptor < 0 && errno == ENOENT) {
            descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kFlags, kLockFileMode);
            if (descriptor < 0 && errno == EEXIST) {
                continue;  // another game made it meanwhile: open that one
            }
            created = descriptor >= 0;
        }
        if (descriptor < 0) {
            return -1;
        }
        struct stat info;
        if (fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode)) {
            return descriptor;
        }
        ::close(descriptor);
        errno = EINVAL;
        return -1;
    }
}

bool sameFile(int descriptor, const std::string& path) {
    struct stat open;
    struct stat named;
    return fstat(descriptor, &open) == 0 && lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, const std::string& folder)
    : lockPath(lockPath), folder(folder) {
    // One deadline for every wait below, however often the lock file changes.
    const Deadline deadline = Clock::now() + kLongestWait;
    const Outcome own = lockOwnFile(deadline);
    const Outcome shared = own == Busy ? Busy : lockFolder(deadline);
    if (shared == Busy) {
        release();
        busy = true;
    } else if (own != Locked && shared != Locked) {
        std::cout << "Could not lock " << lockPath << " (" << std::strerror(failure)
                  << "): saving without the lock" << std::endl;
    }
}

FileLock::Outcome FileLock::lockWithin(int descriptor, Deadline deadline) {
    for (;;) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return Locked;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return Unlockable;
        }
        if (Clock::now() >= deadline) {
            return Busy;
        }
        usleep(kPollMicroseconds);
    }
}

FileLock::Outcome FileLock::lockOwnFile(Deadline deadline) {
    for (;;) {
        bool created = false;
        const int candidate = openLockFile(lockPath, created);
        if (candidate < 0) {
            failure = errno;
            return Unlockable;
        }
        const Outcome outcome = lockWithin(candidate, deadline);
        if (outcome == Locked && sameFile(candidate, lockPath)) {
            lockDescriptor = candidate;
            return Locked;
        }
        failure = outcome == Unlockable ? errno : failure;
        // Where locks do not work, nobody waits on the file we made: it goes,
        // as a held one would on release.
        if (outcome == Unlockable && created && sameFile(candidate, lockPath)) {
            ::unlink(lockPath.c_str());
        }
        ::close(candidate);
        if (outcome != Locked) {
            return outcome;
        }
        // The previous holder removed the file between our open and our lock:
        // we hold a lock nobody else can see, and start again.
        if (Clock::now() >= deadline) {
            return Busy;
        }
    }
}

FileLock::Outcome FileLock::lockFolder(Deadline deadline) {
    const int candidate = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (candidate < 0) {
        failure = errno;
        return Unlockable;
    }
    const Outcome outcome = lockWithin(candidate, deadline);
    if (outcome == Locked) {
        folderDescriptor = candidate;
    } else {
        failure = outcome == Unlockable ? errno : failure;
        ::close(candidate);
    }
    return outcome;
}

void FileLock::release() {
    if (folderDescriptor >= 0) {
        ::close(folderDescriptor);
        folderDescriptor = -1;
    }
    if (lockDescriptor >= 0) {
        // Removed while still locked, so that a waiter on this file notices it
        // is gone and takes the next one. Only holders remove it, so the name
        // is still ours; where the folder does not let us, it stays for the
        // next save, which is as good.
        ::unlink(lockPath.c_str());
        ::close(lockDescriptor);
        lockDescriptor = -1;
    }
}

FileLock::~FileLock() {
    release();
}
