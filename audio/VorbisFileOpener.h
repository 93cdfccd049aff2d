#ifndef TRUCEWARD_AUDIO_VORBISFILEOPENER_H
#define TRUCEWARD_AUDIO_VORBISFILEOPENER_H

#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <string>

// Opens an Ogg Vorbis file for decoding the way every sound of the game is
// opened, printing one line on standard output for the outcome:
//   "vorbisfile: fopen could not open file: <path>"
//   "vorbisfile: Could not open file: <path>"      (not Ogg Vorbis)
//   "vorbisfile: There are no streams in this file?"
//   "vorbisfile: Loaded file: <path>"
class VorbisFileOpener {
  public:
    VorbisFileOpener() = delete;

    // On success returns the open file, which `decoder` now owns: ov_clear
    // on the decoder closes it. On failure returns null, with nothing left
    // open and `decoder` not to be cleared.
    static FILE* open(const std::string& path, OggVorbis_File* decoder);
};

#endif
