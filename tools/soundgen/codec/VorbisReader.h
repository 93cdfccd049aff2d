#ifndef TRUCEWARD_TOOLS_SOUNDGEN_CODEC_VORBISREADER_H
#define TRUCEWARD_TOOLS_SOUNDGEN_CODEC_VORBISREADER_H

#include <string>

#include "codec/DecodedSound.h"

// Decodes a whole Ogg Vorbis file with libvorbisfile, the way the game
// does: ov_read_float until it returns 0, first logical stream only.
class VorbisReader {
  public:
    // Returns false and sets error when the file cannot be opened or is
    // not Ogg Vorbis; decoding errors inside the stream are counted in the
    // result instead.
    static bool read(const std::string& path, DecodedSound& sound, std::string& error);
};

#endif
