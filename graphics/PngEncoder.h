#ifndef TRUCEWARD_GRAPHICS_PNGENCODER_H
#define TRUCEWARD_GRAPHICS_PNGENCODER_H

#include <string>

// The bytes of a PNG file of an 8-bit RGB picture, needing no library: the
// pixels are stored uncompressed (deflate's stored blocks), which every
// reader takes. `rgb` holds width x height pixels, three bytes each, top row
// first.
std::string encodePng(int width, int height, const unsigned char* rgb);

#endif
