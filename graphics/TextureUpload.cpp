#include "graphics/TextureUpload.h"

#include <GL/gl.h>
#include <SDL_image.h>

namespace {
constexpr int kBytesPerPixel = 4;
constexpr int kFreeSource = 1;
}  // namespace

bool uploadTexture(SDL_RWops* stream, unsigned int& texture, int& width, int& height) {
    SDL_Surface* surface = IMG_Load_RW(stream, kFreeSource);
    if (surface == nullptr) {
        return false;
    }
    // The upload takes tightly packed R, G, B, A bytes; anything else would be
    // read out of bounds, so it counts as an image that does not decode.
    if (surface->format->BytesPerPixel != kBytesPerPixel || surface->pitch != surface->w * 4) {
        SDL_FreeSurface(surface);
        return false;
    }
    width = surface->w;
    height = surface->h;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface->w, surface->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 surface->pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    SDL_FreeSurface(surface);
    texture = name;
    return true;
}
