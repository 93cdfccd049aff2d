#include "graphics/TextureUpload.h"

#include <GL/gl.h>
#include <SDL_image.h>

namespace {
constexpr int kBytesPerPixel = 4;
constexpr int kFreeSource = 1;
}  // namespace

SDL_Surface* decodeRgba(SDL_RWops* stream) {
    SDL_Surface* surface = IMG_Load_RW(stream, kFreeSource);
    if (surface == nullptr) {
        return nullptr;
    }
    // The upload takes tightly packed R, G, B, A bytes; anything else would be
    // read out of bounds, so it counts as an image that does not decode.
    if (surface->format->BytesPerPixel != kBytesPerPixel ||
        surface->pitch != surface->w * kBytesPerPixel) {
        SDL_FreeSurface(surface);
        return nullptr;
    }
    return surface;
}

int powerOfTwoAtLeast(int value) {
    int power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

unsigned int uploadPixels(const void* pixels, int width, int height) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

bool uploadTexture(SDL_RWops* stream, unsigned int& texture, int& width, int& height) {
    SDL_Surface* surface = decodeRgba(stream);
    if (surface == nullptr) {
        return false;
    }
    width = surface->w;
    height = surface->h;
    texture = uploadPixels(surface->pixels, surface->w, surface->h);
    SDL_FreeSurface(surface);
    return true;
}
