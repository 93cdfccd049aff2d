#ifndef TRUCEWARD_SCORES_FILELOCK_H
#define TRUCEWARD_SCORES_FILELOCK_H

#include <chrono>
#include <string>

// An exclusive advisory lock (flock) between processes of the game, held for
// as long as the object lives: two games saving the same file at once take
// turns instead of each writing over the other's records.
//
// Two locks are taken, both beside the file really written:
// - a lock file of its own, opened for reading only where it may not be
//   written (another user's, left by a killed save), created when missing,
//   and removed when the lock is released, so nothing is left behind;
// - then the folder, which needs no write access and is never replaced. A
//   game that can neither open nor create the lock file holds this lock
//   alone; because every holder of the lock file takes it too, such a game
//   never saves alongside another.
// Where flock fails for another reason than a holder (NFS without a lock
// daemon), one line says so and the file may be saved without the lock. The
// whole wait lasts a few seconds at most: a holder that keeps the lock longer
// (a stopped process) keeps the file from being written.
class FileLock {
  public:
    FileLock(const std::string& lockPath, const std::string& folder);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Whether the file may be written now: the lock is held, or locks do not
    // work there at all.
    bool mayWrite() const { return !busy; }

  private:
    using Deadline = std::chrono::steady_clock::time_point;
    enum Outcome { Locked, Busy, Unlockable };
    static Outcome lockWithin(int descriptor, Deadline deadline);
    Outcome lockOwnFile(Deadline deadline);
    Outcome lockFolder(Deadline deadline);
    void release();

    std::string lockPath;
    std::string folder;
    int lockDescriptor = -1;
    int folderDescriptor = -1;
    bool busy = false;
    // The errno of the last open or flock that could not lock at all.
    int failure = 0;
};

#endif
