#ifndef TRUCEWARD_AUDIO_SOUNDSDIRECTORY_H
#define TRUCEWARD_AUDIO_SOUNDSDIRECTORY_H

#include <string>
#include <vector>

// Where the game's sound files are, on Linux. The build and a portable copy
// keep them in a `sounds` folder beside the executable; an installed game
// keeps them in the data directory of its prefix.
class SoundsDirectory {
  public:
    SoundsDirectory() = delete;

    // The first existing directory of:
    //   <executableDirectory>/sounds/
    //   <executableDirectory>/../share/truceward/sounds/   (a relocated install)
    //   <installedDirectory>
    // as a path ending in a slash; "" when none exists. An empty
    // executableDirectory or installedDirectory is skipped.
    static std::string locate(const std::string& executableDirectory,
                              const std::string& installedDirectory);
    // As locate(); when nothing is found, also one line on standard output
    // naming the folders looked in. The game then loads no sound at all:
    // never from the current folder, where anybody may have put files.
    static std::string locateOrReport(const std::string& executableDirectory,
                                      const std::string& installedDirectory);

    // The directory of the running executable (from /proc/self/exe), without a
    // trailing slash; "" when it cannot be read.
    static std::string executableDirectory();

  private:
    // The folders locate() looks in, in its order.
    static std::vector<std::string> candidates(const std::string& executableDirectory,
                                               const std::string& installedDirectory);
};

#endif
