#ifndef TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H
#define TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H

#include <SDL.h>

// Decodes a PNG stream (closing it) into tightly packed R, G, B, A bytes, top
// row first. Null when it does not decode to that; the caller frees it.
SDL_Surface* decodeRgba(SDL_RWops* stream);

// The smallest power of two not below `value` (OpenGL 1 textures need one).
int powerOfTwoAtLeast(int value);

// Uploads width x height R, G, B, A bytes as a new linear-filtered texture.
unsigned int uploadPixels(const void* pixels, int width, int height);

// Decodes a PNG stream (closing it) and uploads it as a new linear-filtered
// RGBA texture. Returns false, creating nothing, when the stream does not
// decode to 4 bytes per pixel. Width and height receive the decoded size.
bool uploadTexture(SDL_RWops* stream, unsigned int& texture, int& width, int& height);

#endif
