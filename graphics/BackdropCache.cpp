#include "graphics/BackdropCache.h"

#include <GL/gl.h>

#include "graphics/GlContext.h"
#include "graphics/ImageDrawer.h"
#include "graphics/TextureUpload.h"

namespace {

constexpr int kViewportX = 0;
constexpr int kViewportY = 1;
constexpr int kViewportWidth = 2;
constexpr int kViewportHeight = 3;
constexpr int kQuadCorners = 4;

}  // namespace

BackdropCache::~BackdropCache() {
    if (texture != 0 && generation == GlContext::generation()) {
        glDeleteTextures(1, &texture);
    }
}

void BackdropCache::draw(const std::function<void()>& drawBackdrop,
                         const std::function<void()>& letGo) {
    GLint mode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const ImageDrawer* images = ImageDrawer::getInstance();
    // Feedback and selection draw no pixels: there is nothing to copy then.
    if (mode != GL_RENDER) {
        drawBackdrop();
        return;
    }
    if (generation != GlContext::generation()) {
        // Gone with the context that held it.
        texture = 0;
        generation = GlContext::generation();
    }
    if (texture != 0 && viewport[kViewportWidth] == width && viewport[kViewportHeight] == height &&
        images->screenWidth == screenWidth && images->screenHeight == screenHeight) {
        // Texel centres on pixel centres: each pixel takes exactly its texel.
        glDisable(GL_BLEND);
        glBindTexture(GL_TEXTURE_2D, texture);
        glColor4f(1, 1, 1, 1);
        const auto right = static_cast<float>(width);
        const auto top = static_cast<float>(height);
        const float s = right / static_cast<float>(textureWidth);
        const float t = top / static_cast<float>(textureHeight);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(0, 0);
        glTexCoord2f(s, 0);
        glVertex2f(right, 0);
        glTexCoord2f(s, t);
        glVertex2f(right, top);
        glTexCoord2f(0, t);
        glVertex2f(0, top);
        glEnd();
        glBindTexture(GL_TEXTURE_2D, 0);
        glEnable(GL_BLEND);
        return;
    }

    drawBackdrop();
    // The renderer holds the textures of its last batch of drawing until the
    // next batch begins: the frame so far is finished and an empty draw
    // begins the next, so that what was let go is freed before the copy
    // takes its memory.
    letGo();
    glFinish();
    glBegin(GL_QUADS);
    for (int corner = 0; corner < kQuadCorners; ++corner) {
        glVertex2f(0.0f, 0.0f);
    }
    glEnd();
    width = viewport[kViewportWidth];
    height = viewport[kViewportHeight];
    screenWidth = images->screenWidth;
    screenHeight = images->screenHeight;
    if (texture == 0) {
        glGenTextures(1, &texture);
    }
    textureWidth = textureSide(width);
    textureHeight = textureSide(height);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, textureWidth, textureHeight, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // The picture's bottom row becomes the texture's first.
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, viewport[kViewportX], viewport[kViewportY], width,
                        height);
    glBindTexture(GL_TEXTURE_2D, 0);
}
