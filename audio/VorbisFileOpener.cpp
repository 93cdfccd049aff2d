#include "audio/VorbisFileOpener.h"

#include <iostream>

FILE* VorbisFileOpener::open(const std::string& path, OggVorbis_File* decoder) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        std::cout << "vorbisfile: fopen could not open file: " << path << std::endl;
        return nullptr;
    }
    if (ov_open(file, decoder, nullptr, 0) < 0) {
        // A refused file still belongs to us.
        std::fclose(file);
        std::cout << "vorbisfile: Could not open file: " << path << std::endl;
        return nullptr;
    }
    if (ov_streams(decoder) <= 0) {
        ov_clear(decoder);
        std::cout << "vorbisfile: There are no streams in this file?" << std::endl;
        return nullptr;
    }
    std::cout << "vorbisfile: Loaded file: " << path << std::endl;
    return file;
}
