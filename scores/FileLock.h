#ifndef TRUCEWARD_SCORES_FILELOCK_H
#define TRUCEWARD_SCORES_FILELOCK_H

#include <string>

// An exclusive advisory lock (flock) between processes of the game, held for
// as long as the object lives: two games saving the same file at once take
// turns instead of each writing over the other's records.
//
// The lock is a file of its own beside the file it guards, created when the
// lock is taken and removed when it is released, so nothing is left behind.
// Where no lock file can be made (a read-only folder), the guarded file itself
// is locked instead. A holder that does not let go within a few seconds (a
// stopped process) is waited for no longer: the lock is then not held.
class FileLock {
  public:
    FileLock(const std::string& lockPath, const std::string& guardedPath);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return descriptor >= 0; }

  private:
    bool lockOwnFile();
    bool lockGuardedFile();

    std::string lockPath;
    std::string guardedPath;
    int descriptor = -1;
    // Whether descriptor is the lock file, which goes when the lock is released.
    bool ownFile = false;
    // The folder does not let us make the lock file.
    bool lockFileRefused = false;
};

#endif
