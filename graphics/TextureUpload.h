#ifndef TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H
#define TRUCEWARD_GRAPHICS_TEXTUREUPLOAD_H

#include <SDL.h>

// Decodes a PNG stream (closing it) into tightly packed R, G, B, A bytes, top
// row first. Null when it does not decode to that; the caller frees it.
SDL_Surface* decodeRgba(SDL_RWops* stream);

// Reads the width and height from a PNG stream's header (closing the
// stream), without decoding: false when it is no PNG.
bool readPngSize(SDL_RWops* stream, int& width, int& height);

// The smallest power of two not below `value` (OpenGL 1 textures need one).
int powerOfTwoAtLeast(int value);

// A side for a texture that must hold `value` texels: `value` itself where
// the driver takes textures of any size (OpenGL 2, or the extension), which
// spares the memory of the rounding; else the power of two. Needs the context.
int textureSide(int value);

// Gives the texture bound to GL_TEXTURE_2D width x height R, G, B, A bytes
// and linear filtering, without mipmaps.
void specifyPixels(const void* pixels, int width, int height);

// Uploads width x height R, G, B, A bytes as a new linear-filtered texture;
// with null pixels, a texture of that size whose texels are yet undefined.
unsigned int uploadPixels(const void* pixels, int width, int height);

// Decodes a PNG stream (closing it) and uploads it as a new linear-filtered
// RGBA texture. Returns false, creating nothing, when the stream does not
// decode to 4 bytes per pixel. Width and height receive the decoded size.
bool uploadTexture(SDL_RWops* stream, unsigned int& texture, int& width, int& height);

#endif
