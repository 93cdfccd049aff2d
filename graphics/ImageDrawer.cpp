#include "graphics/ImageDrawer.h"

#include <GL/gl.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "assets/Images.h"
#include "graphics/EmbeddedFile.h"
#include "graphics/GlContext.h"
#include "graphics/TextureUpload.h"
#include "graphics/Widget.h"

namespace {

constexpr int kBytesPerPixel = 4;
constexpr int kAlphaByte = 3;
constexpr unsigned char kFullyOpaque = 255;
// The sprites, drawn by the hundred every frame, share one texture (in rows
// of this width), so that runs of them need no change of texture. Larger
// images are drawn a few times a frame, or once into a copy, and keep
// textures of their own, which their screens give back when done.
constexpr int kLargestSprite = 64;
constexpr int kAtlasWidth = 1024;
// Around each image in the atlas, a frame of one texel repeats the opposite
// edge, as the wrapping of a texture of its own would: linear filtering at
// the image's edges then reads exactly what it read before.
constexpr int kFrame = 1;

struct Size {
    int width = 0;
    int height = 0;
};

bool fitsAtlas(const Size& size) {
    return size.width > 0 && size.width <= kLargestSprite && size.height <= kLargestSprite;
}

// Shelves of images, tallest first, left to right; returns the height used.
// Places outside the atlas stay at -1.
int packAtlas(const Size (&sizes)[ImageDrawer::kImageCount],
              int (&places)[ImageDrawer::kImageCount][2]) {
    std::vector<int> order;
    for (int type = 0; type < ImageDrawer::kImageCount; ++type) {
        places[type][0] = -1;
        places[type][1] = -1;
        if (fitsAtlas(sizes[type])) {
            order.push_back(type);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&sizes](int a, int b) { return sizes[a].height > sizes[b].height; });
    int x = 0;
    int y = 0;
    int shelf = 0;
    for (const int type : order) {
        const int width = sizes[type].width + 2 * kFrame;
        const int height = sizes[type].height + 2 * kFrame;
        if (x + width > kAtlasWidth) {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        places[type][0] = x;
        places[type][1] = y;
        x += width;
        shelf = std::max(shelf, height);
    }
    return y + shelf;
}

// The image framed by its own opposite edges, as one block of pixels.
std::vector<unsigned char> framed(const SDL_Surface* surface) {
    const auto* pixels = static_cast<const unsigned char*>(surface->pixels);
    const int width = surface->w;
    const int height = surface->h;
    const int framedWidth = width + 2 * kFrame;
    std::vector<unsigned char> block(static_cast<size_t>(framedWidth) * (height + 2 * kFrame) *
                                     kBytesPerPixel);
    for (int row = -kFrame; row < height + kFrame; ++row) {
        const int sourceRow = (row + height) % height;
        for (int column = -kFrame; column < width + kFrame; ++column) {
            const int sourceColumn = (column + width) % width;
            const size_t from =
                (static_cast<size_t>(sourceRow) * width + sourceColumn) * kBytesPerPixel;
            const size_t to = (static_cast<size_t>(row + kFrame) * framedWidth +
                               static_cast<size_t>(column + kFrame)) *
                              kBytesPerPixel;
            std::copy(pixels + from, pixels + from + kBytesPerPixel, block.begin() + to);
        }
    }
    return block;
}

// The smallest box, in texel edges from the top-left, that holds every texel
// that is not fully transparent, grown by one texel on each side (a pixel
// near the box samples its neighbours too) and kept within the image; ink on
// an edge keeps the opposite edge in the box.
// Left, top, right, bottom as fractions of the size; all 0 when nothing shows.
void measureVisible(const SDL_Surface* surface, float (&box)[4], bool& opaque) {
    const auto* pixels = static_cast<const unsigned char*>(surface->pixels);
    int left = surface->w;
    int top = surface->h;
    int right = -1;
    int bottom = -1;
    opaque = true;
    for (int row = 0; row < surface->h; ++row) {
        for (int column = 0; column < surface->w; ++column) {
            const unsigned char alpha =
                pixels[(static_cast<size_t>(row) * surface->w + column) * kBytesPerPixel +
                       kAlphaByte];
            opaque = opaque && alpha == kFullyOpaque;
            if (alpha != 0) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
    }
    if (right < 0) {
        std::fill(box, box + 4, 0.0f);
        return;
    }
    const auto width = static_cast<float>(surface->w);
    const auto height = static_cast<float>(surface->h);
    // Filtering wraps around: ink on one edge shows faintly along the other.
    const int lastColumn = surface->w - 1;
    const int lastRow = surface->h - 1;
    const int grownLeft = right == lastColumn ? 0 : std::max(left - 1, 0);
    const int grownTop = bottom == lastRow ? 0 : std::max(top - 1, 0);
    const int grownRight = left == 0 ? surface->w : std::min(right + 2, surface->w);
    const int grownBottom = top == 0 ? surface->h : std::min(bottom + 2, surface->h);
    box[0] = static_cast<float>(grownLeft) / width;
    box[1] = static_cast<float>(grownTop) / height;
    box[2] = static_cast<float>(grownRight) / width;
    box[3] = static_cast<float>(grownBottom) / height;
}

// From a to b; exactly a at 0 and exactly b at 1.
float along(float a, float b, float fraction) {
    return (1.0f - fraction) * a + fraction * b;
}

}  // namespace

ImageDrawer* ImageDrawer::getInstance() {
    static ImageDrawer instance;
    return &instance;
}

ImageDrawer::ImageDrawer() : generation(GlContext::generation()) {
    // Only the headers are read here: each image is decoded when its texture
    // is made, so that no more than one decoded image is held at a time.
    Size sizes[kImageCount];
    for (int type = 0; type < kImageCount; ++type) {
        if (!readPngSize(getRW(static_cast<ImageType>(type)), sizes[type].width,
                         sizes[type].height)) {
            std::cout << "Could not load image " << type << std::endl;
            sizes[type] = Size();
            continue;
        }
        imageSizes[type][0] = static_cast<float>(sizes[type].width);
        imageSizes[type][1] = static_cast<float>(sizes[type].height);
        storage[type] = fitsAtlas(sizes[type]) ? Storage::Atlas : Storage::Released;
    }
    atlasHeight = textureSide(packAtlas(sizes, atlasPlaces));
    uploadAtlas();
    for (int type = 0; type < kImageCount; ++type) {
        if (storage[type] == Storage::Released) {
            glGenTextures(1, &textures[type]);
            float* box = textureBoxes[type];
            box[0] = 0.0f;
            box[1] = 0.0f;
            box[2] = 1.0f;
            box[3] = 1.0f;
        }
    }
}

void ImageDrawer::uploadAtlas() {
    const unsigned int atlas = uploadPixels(nullptr, kAtlasWidth, atlasHeight);
    glBindTexture(GL_TEXTURE_2D, atlas);
    for (int type = 0; type < kImageCount; ++type) {
        if (storage[type] != Storage::Atlas) {
            continue;
        }
        SDL_Surface* surface = decode(type);
        if (surface == nullptr) {
            continue;
        }
        const int x = atlasPlaces[type][0];
        const int y = atlasPlaces[type][1];
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, surface->w + 2 * kFrame, surface->h + 2 * kFrame,
                        GL_RGBA, GL_UNSIGNED_BYTE, framed(surface).data());
        textures[type] = atlas;
        float* box = textureBoxes[type];
        const auto height = static_cast<float>(atlasHeight);
        box[0] = static_cast<float>(x + kFrame) / kAtlasWidth;
        box[1] = static_cast<float>(y + kFrame) / height;
        box[2] = static_cast<float>(x + kFrame + surface->w) / kAtlasWidth;
        box[3] = static_cast<float>(y + kFrame + surface->h) / height;
        SDL_FreeSurface(surface);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

SDL_Surface* ImageDrawer::decode(int type) {
    SDL_Surface* surface = decodeRgba(getRW(static_cast<ImageType>(type)));
    if (surface == nullptr || surface->w != static_cast<int>(imageSizes[type][0]) ||
        surface->h != static_cast<int>(imageSizes[type][1])) {
        std::cout << "Could not load image " << type << std::endl;
        SDL_FreeSurface(surface);
        storage[type] = Storage::Missing;
        std::fill(imageSizes[type], imageSizes[type] + 2, 0.0f);
        return nullptr;
    }
    measureVisible(surface, visibleBoxes[type], opaque[type]);
    return surface;
}

void ImageDrawer::uploadOwn(int type) {
    SDL_Surface* surface = decode(type);
    if (surface == nullptr) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, textures[type]);
    specifyPixels(surface->pixels, surface->w, surface->h);
    glBindTexture(GL_TEXTURE_2D, 0);
    SDL_FreeSurface(surface);
    storage[type] = Storage::Own;
}

void ImageDrawer::release(std::initializer_list<ImageType> types) {
    for (const ImageType type : types) {
        if (storage[type] != Storage::Own) {
            continue;
        }
        // Deleting the texture is what frees its pixels; the image keeps a
        // fresh name. A stale name is left alone: followContext() renames
        // them all.
        if (generation == GlContext::generation()) {
            glDeleteTextures(1, &textures[type]);
            glGenTextures(1, &textures[type]);
        }
        storage[type] = Storage::Released;
    }
}

bool ImageDrawer::resident(ImageType type) const {
    return storage[type] == Storage::Atlas || storage[type] == Storage::Own;
}

void ImageDrawer::followContext() {
    generation = GlContext::generation();
    uploadAtlas();
    for (int type = 0; type < kImageCount; ++type) {
        if (storage[type] == Storage::Own || storage[type] == Storage::Released) {
            glGenTextures(1, &textures[type]);
            storage[type] = Storage::Released;
        }
    }
}

SDL_RWops* ImageDrawer::getRW(ImageType type) {
    // The embedded files follow the enumeration; a build that embeds fewer
    // than it names would draw the guy where they are missing.
    const int index = static_cast<int>(type);
    const bool known = index >= 0 && index < kImageCount && index < Images::kFileCount;
    return Images::kFiles[known ? index : ImageGuy].open();
}

void ImageDrawer::setScreenDimensions(float width, float height) {
    screenWidth = width;
    screenHeight = height;
}

void ImageDrawer::beginBatch() {
    batching = true;
}

void ImageDrawer::endBatch() {
    batching = false;
    glBindTexture(GL_TEXTURE_2D, 0);
}

void ImageDrawer::drawImage(ImageType type, float x, float y, float scaleX, float scaleY, float red,
                            float green, float blue, float alpha) {
    if (generation != GlContext::generation()) {
        followContext();
    }
    if (storage[type] == Storage::Released) {
        uploadOwn(type);
    }
    const float s = screenWidth * (1.0f / Widget::kLogicalWidth);
    const float sy = screenHeight / Widget::kLogicalHeight;
    const float scaledWidth = imageSizes[type][0] * s;
    const float scaledHeight = imageSizes[type][1] * s;

    // The whole image's corners. Moving by half the scaled size puts the
    // centre where the image's centre is at natural size, so scaling acts
    // about that centre; the sums are made in the order the model-view
    // translation made them, so that the edges fall on the same pixels.
    const float cx = x * s;
    const float cy = y * sy;
    const float halfWidth = scaledWidth * scaleX / 2;
    const float halfHeight = scaledHeight * scaleY / 2;
    const float imageLeft = (cx - halfWidth) + scaledWidth / 2;
    const float imageRight = (cx + halfWidth) + scaledWidth / 2;
    const float imageTop = (cy + halfHeight) + scaledHeight / 2;
    const float imageBottom = (cy - halfHeight) + scaledHeight / 2;

    // The visible part, and the same part of the texture.
    const float* part = visibleBoxes[type];
    const float* texture = textureBoxes[type];
    const float left = along(imageLeft, imageRight, part[0]);
    const float right = along(imageLeft, imageRight, part[2]);
    const float top = along(imageTop, imageBottom, part[1]);
    const float bottom = along(imageTop, imageBottom, part[3]);
    const float sLeft = along(texture[0], texture[2], part[0]);
    const float sRight = along(texture[0], texture[2], part[2]);
    const float tTop = along(texture[1], texture[3], part[1]);
    const float tBottom = along(texture[1], texture[3], part[3]);

    // An opaque image drawn unfaded covers what is below it whatever the
    // blending; without it the renderer need not read the pixels below.
    const bool solid = opaque[type] && alpha >= 1.0f;
    if (solid) {
        glDisable(GL_BLEND);
    }
    glColor4f(red, green, blue, alpha);
    glBindTexture(GL_TEXTURE_2D, textures[type]);
    glBegin(GL_QUADS);
    glTexCoord2f(sLeft, tBottom);
    glVertex2f(left, bottom);
    glTexCoord2f(sRight, tBottom);
    glVertex2f(right, bottom);
    glTexCoord2f(sRight, tTop);
    glVertex2f(right, top);
    glTexCoord2f(sLeft, tTop);
    glVertex2f(left, top);
    glEnd();
    if (solid) {
        glEnable(GL_BLEND);
    }
    if (!batching) {
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glColor4f(1, 1, 1, 1);
}
