#include "graphics/TextureUpload.h"

#include <GL/gl.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr int kBytesPerPixel = 4;
constexpr int kFreeSource = 1;

// The signature, then the first chunk, which must be the header: its length,
// its name, then width and height as big-endian 32-bit numbers.
constexpr unsigned char kPngStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n',
                                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
constexpr int kSideBytes = 4;
constexpr int kBitsPerByte = 8;
// PNG allows sides up to 2^31 - 1; no texture comes near.
constexpr unsigned long kLargestSide = 1UL << 16;

unsigned long bigEndian(const unsigned char* bytes) {
    unsigned long value = 0;
    for (int i = 0; i < kSideBytes; ++i) {
        value = (value << kBitsPerByte) | bytes[i];
    }
    return value;
}

bool takesAnySize() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    constexpr char kAnySize[] = "GL_ARB_texture_non_power_of_two";
    // The version string starts with the major number.
    return (version != nullptr && version[0] >= '2' && version[0] <= '9') ||
           (extensions != nullptr && std::strstr(extensions, kAnySize) != nullptr);
}
}  // namespace

bool readPngSize(SDL_RWops* stream, int& width, int& height) {
    unsigned char header[sizeof kPngStart + 2 * kSideBytes] = {};
    const bool read = stream != nullptr && SDL_RWread(stream, header, sizeof header, 1) == 1;
    if (stream != nullptr) {
        SDL_RWclose(stream);
    }
    if (!read || !std::equal(kPngStart, kPngStart + sizeof kPngStart, header)) {
        return false;
    }
    const unsigned long across = bigEndian(header + sizeof kPngStart);
    const unsigned long up = bigEndian(header + sizeof kPngStart + kSideBytes);
    if (across == 0 || up == 0 || across > kLargestSide || up > kLargestSide) {
        return false;
    }
    width = static_cast<int>(across);
    height = static_cast<int>(up);
    return true;
}

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

void specifyPixels(const void* pixels, int width, int height) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

int textureSide(int value) {
    // Asked once: every context the game makes comes from the same driver.
    static const bool anySize = takesAnySize();
    return anySize ? value : powerOfTwoAtLeast(value);
}

unsigned int uploadPixels(const void* pixels, int width, int height) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    specifyPixels(pixels, width, height);
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
