#ifndef TRUCEWARD_TOOLS_SOUNDGEN_CHECK_SOUNDCHECKER_H
#define TRUCEWARD_TOOLS_SOUNDGEN_CHECK_SOUNDCHECKER_H

#include <ostream>
#include <string>

#include "codec/DecodedSound.h"

// Decodes the written sound files as the game will and checks the limits
// of SoundFiles: format, length, peaks, DC offset, clean starts and ends of
// the effects, and the join of the music's loop. Reports one line per file
// and one per failed check.
class SoundChecker {
  public:
    explicit SoundChecker(std::ostream& report);
    SoundChecker(const SoundChecker&) = delete;
    SoundChecker& operator=(const SoundChecker&) = delete;

    // All four files in a directory; true when every check passes.
    bool checkDirectory(const std::string& directory);

    // Checks of a decoded sound (the path is only for the report).
    bool checkEffect(const std::string& path, const DecodedSound& sound);
    // expectedFrames is the exact length the music must decode to.
    bool checkMusic(const std::string& path, const DecodedSound& sound, long long expectedFrames);

  private:
    bool decode(const std::string& path, DecodedSound& sound);
    bool checkCommon(const std::string& path, const DecodedSound& sound, int channels,
                     double minSeconds, double maxSeconds);
    bool fail(const std::string& path, const std::string& what);

    std::ostream& report;
};

#endif
