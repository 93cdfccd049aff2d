#include "graphics/ImageDrawer.h"

#include <GL/gl.h>

#include <iostream>

#include "assets/Images.h"
#include "graphics/EmbeddedFile.h"
#include "graphics/TextureUpload.h"

namespace {

// Indexed by ImageType.
const EmbeddedFile kImageFiles[ImageDrawer::kImageCount] = {
    {Images::background_png, &Images::background_png_len},
    {Images::guy_png, &Images::guy_png_len},
    {Images::fighter_png, &Images::fighter_png_len},
    {Images::brick_png, &Images::brick_png_len},
    {Images::bullet_png, &Images::bullet_png_len},
    {Images::shotbang_png, &Images::shotbang_png_len},
    {Images::alertcircle_png, &Images::alertcircle_png_len},
    {Images::centralmound_png, &Images::centralmound_png_len},
    {Images::sidemounds_png, &Images::sidemounds_png_len},
    {Images::smokepff_png, &Images::smokepff_png_len},
    {Images::title_png, &Images::title_png_len},
    {Images::mouse_png, &Images::mouse_png_len},
    {Images::leftbuttonup_png, &Images::leftbuttonup_png_len},
    {Images::leftbuttondown_png, &Images::leftbuttondown_png_len},
    {Images::leftbuttonover_png, &Images::leftbuttonover_png_len},
    {Images::rightbuttonup_png, &Images::rightbuttonup_png_len},
    {Images::rightbuttondown_png, &Images::rightbuttondown_png_len},
    {Images::rightbuttonover_png, &Images::rightbuttonover_png_len},
    {Images::startbuttonup_png, &Images::startbuttonup_png_len},
    {Images::startbuttondown_png, &Images::startbuttondown_png_len},
    {Images::startbuttonover_png, &Images::startbuttonover_png_len},
};

constexpr float kLogicalWidth = 1024.0f;
constexpr float kLogicalHeight = 768.0f;

}  // namespace

ImageDrawer* ImageDrawer::getInstance() {
    static ImageDrawer instance;
    return &instance;
}

ImageDrawer::ImageDrawer() {
    for (int type = 0; type < kImageCount; ++type) {
        int width = 0;
        int height = 0;
        if (!uploadTexture(getRW(static_cast<ImageType>(type)), textures[type], width, height)) {
            std::cout << "Could not load image " << type << std::endl;
            continue;
        }
        imageSizes[type][0] = static_cast<float>(width);
        imageSizes[type][1] = static_cast<float>(height);
    }
}

SDL_RWops* ImageDrawer::getRW(ImageType type) {
    const int index = static_cast<int>(type);
    const EmbeddedFile& file =
        index >= 0 && index < kImageCount ? kImageFiles[index] : kImageFiles[ImageGuy];
    return file.open();
}

void ImageDrawer::setScreenDimensions(float width, float height) {
    screenWidth = width;
    screenHeight = height;
}

void ImageDrawer::drawImage(ImageType type, float x, float y, float scaleX, float scaleY, float red,
                            float green, float blue, float alpha) {
    const float s = screenWidth * (1.0f / kLogicalWidth);
    const float sy = screenHeight / kLogicalHeight;
    const float scaledWidth = imageSizes[type][0] * s;
    const float scaledHeight = imageSizes[type][1] * s;

    glPushMatrix();
    // Moving by half the scaled size puts the quad's centre where the image's
    // centre is at natural size, so scaling acts about that centre.
    glTranslatef(scaledWidth / 2, scaledHeight / 2, 1);
    glColor4f(red, green, blue, alpha);
    glBindTexture(GL_TEXTURE_2D, textures[type]);

    const float cx = x * s;
    const float cy = y * sy;
    const float halfWidth = scaledWidth * scaleX / 2;
    const float halfHeight = scaledHeight * scaleY / 2;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(cx - halfWidth, cy - halfHeight);
    glTexCoord2f(1, 1);
    glVertex2f(cx + halfWidth, cy - halfHeight);
    glTexCoord2f(1, 0);
    glVertex2f(cx + halfWidth, cy + halfHeight);
    glTexCoord2f(0, 0);
    glVertex2f(cx - halfWidth, cy + halfHeight);
    glEnd();

    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(1, 1, 1, 1);
    glPopMatrix();
}
