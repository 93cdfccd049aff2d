#include "scores/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A save takes milliseconds; a holder that keeps the lock this long is stuck.
constexpr int kWaitMilliseconds = 5000;
constexpr int kPollMilliseconds = 10;
constexpr useconds_t kMicrosecondsPerMillisecond = 1000;
// Anyone's lock file may be used: the lock is between games, not users.
constexpr mode_t kLockFileMode = 0666;

// Takes the lock on an open file, waiting a bounded time.
bool lockWithin(int descriptor, int milliseconds) {
    for (int waited = 0;; waited += kPollMilliseconds) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (waited >= milliseconds) {
            return false;
        }
        usleep(kPollMilliseconds * kMicrosecondsPerMillisecond);
    }
}

bool sameFile(int descriptor, const std::string& path) {
    struct stat open;
    struct stat named;
    return fstat(descriptor, &open) == 0 && stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, const std::string& guardedPath)
    : lockPath(lockPath), guardedPath(guardedPath) {
    if (!lockOwnFile() && lockFileRefused) {
        lockGuardedFile();
    }
}

bool FileLock::lockOwnFile() {
    for (int waited = 0; waited < kWaitMilliseconds; waited += kPollMilliseconds) {
        const int candidate =
            ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kLockFileMode);
        if (candidate < 0) {
            lockFileRefused = errno == EACCES || errno == EROFS || errno == EPERM;
            return false;
        }
        if (!lockWithin(candidate, kWaitMilliseconds)) {
            ::close(candidate);
            return false;
        }
        // The previous holder may have removed the file between our open and
        // our lock: then we hold a lock nobody else can see, and start again.
        if (sameFile(candidate, lockPath)) {
            descriptor = candidate;
            ownFile = true;
            return true;
        }
        ::close(candidate);
    }
    return false;
}

bool FileLock::lockGuardedFile() {
    const int candidate = ::open(guardedPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (candidate < 0) {
        return false;
    }
    if (!lockWithin(candidate, kWaitMilliseconds)) {
        ::close(candidate);
        return false;
    }
    descriptor = candidate;
    return true;
}

FileLock::~FileLock() {
    if (descriptor < 0) {
        return;
    }
    // Removed while still locked, so that a waiter on this file notices it is
    // gone and takes the next one.
    if (ownFile) {
        ::unlink(lockPath.c_str());
    }
    ::close(descriptor);
}
