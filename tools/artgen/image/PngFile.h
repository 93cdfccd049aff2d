#ifndef TRUCEWARD_TOOLS_ARTGEN_IMAGE_PNGFILE_H
#define TRUCEWARD_TOOLS_ARTGEN_IMAGE_PNGFILE_H

#include <string>

#include "image/RgbaImage.h"

// Reads and writes PNG files with libpng. Everything is written the one way
// the game's image loader expects: 8-bit RGBA (colour type 6), not
// interlaced, with no time stamp or text chunk, so that the same pixels
// always give the same bytes. Cairo's own writer is not used because it
// drops the alpha channel of opaque images.
class PngFile {
  public:
    // What the header of a read file declared.
    struct Header {
        int width = 0;
        int height = 0;
        int bitDepth = 0;
        int colourType = -1;
        int interlace = -1;
        bool hasTimeOrText = false;
    };

    // Writes the image; throws std::runtime_error on any failure.
    static void write(const std::string& path, const RgbaImage& image);
    // Reads any PNG, expanded to 8-bit RGBA, and reports its header as
    // stored; throws std::runtime_error when the file is missing or broken.
    static RgbaImage read(const std::string& path, Header* header = nullptr);
};

#endif
