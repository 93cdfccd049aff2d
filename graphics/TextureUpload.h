#ifndef TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H
#define TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H

#include <SDL.h>

// Decodes a PNG stream (closing it) and uploads it as a new linear-filtered
// RGBA texture. Returns false, creating nothing, when the stream does not
// decode to 4 bytes per pixel. Width and height receive the decoded size.
bool uploadTexture(SDL_RWops* stream, unsigned int& texture, int& width, int& height);

#endif
