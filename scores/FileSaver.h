#ifndef TRUCEWARD_SCORES_FILESAVER_H
#define TRUCEWARD_SCORES_FILESAVER_H

#include <cstdint>
#include <functional>
#include <istream>
#include <string>

#include "scores/RegularFileReader.h"

// Writes the player's files so that nothing already on disk is lost, whatever
// happens part way: a full disk, a crash or a kill leaves the old file whole.
class FileSaver {
  public:
    FileSaver() = delete;

    // Replaces the contents of the file at `path` with `bytes`:
    // - the new contents go to a temporary file beside it, reach the disk, and
    //   only then take the old file's place by a rename;
    // - a path that is a symbolic link stays one: its target is written;
    // - the file keeps its permission bits, and its owner and group as far as
    //   the process may give them (root any, a user a group of their own);
    //   a new file gets 0666 less the umask;
    // - a file the user may not write, or something other than an ordinary
    //   file in its place, is not replaced;
    // - in a folder that takes no new files, a writable file is overwritten
    //   in place rather than not saved at all.
    // Returns false, with the old file as it was and no temporary file left,
    // when the new contents could not be saved.
    static bool replace(const std::string& path, const std::string& bytes);

    // Reads the file at `path` and replaces it with what `change` makes of it,
    // under the FileLock beside the file really written (the target of a
    // link), so that games saving at once take turns and see each other's
    // saves. `change` reads the current contents from the stream (empty, with
    // `missing` true, when there is no file yet), puts the new ones in
    // `bytes`, and returns false to write nothing. Also clears away what
    // killed saves left. Returns false, writing nothing, when `change` does,
    // when the file exists but cannot be read whole, when another game holds
    // the lock too long, or when the new contents cannot be saved. Once they
    // are saved, `saved` (when given) runs, still under the lock: what must
    // follow the file's new contents, before another game saves it again.
    // A file of more than `maxBytes` counts as one that cannot be read.
    using Change = std::function<bool(std::istream& current, bool missing, std::string& bytes)>;
    static bool update(const std::string& path, const Change& change,
                       const std::function<void()>& saved = nullptr,
                       std::uint64_t maxBytes = RegularFileReader::kUnbounded);

    // Removes the temporary files that saves of `path` killed part way left
    // behind, and nothing else. Only safe while no other save of the same
    // file runs (hold its FileLock).
    static void removeLeftovers(const std::string& path);

    // The file a path finally names, through any symbolic links; the path
    // itself when it is no link or the link leads nowhere.
    static std::string resolveLinks(const std::string& path);
};

#endif
