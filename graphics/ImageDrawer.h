#ifndef TRUCEWARD_GRAPHICS_IMAGEDRAWER_H
#define TRUCEWARD_GRAPHICS_IMAGEDRAWER_H

#include <SDL.h>

#include <initializer_list>

#include "graphics/Widget.h"

// Draws the embedded images as textured quads on the 1024 x 768 logical screen
// (origin bottom-left, y up). The first getInstance(), which must come after
// the OpenGL context exists, uploads the sprites into one texture (the
// atlas); every larger image gets a texture of its own when it is first
// drawn, and gives it back on release(). Every texture is uploaded again when
// the OpenGL context has been made anew (GlContext).
class ImageDrawer {
  public:
    enum ImageType {
        ImageBackground = 0,
        ImageGuy,
        ImageFighter,
        ImageBrick,
        ImageBullet,
        ImageShotBang,
        ImageAlertCircle,
        ImageCentralMound,
        ImageSideMounds,
        ImageSmokePff,
        ImageTitle,
        ImageMouse,
        ImageLeftButtonUp,
        ImageLeftButtonDown,
        ImageLeftButtonOver,
        ImageRightButtonUp,
        ImageRightButtonDown,
        ImageRightButtonOver,
        // The wide bar button (ENTER WAR, BACK), without a word: its label is
        // lettered over it.
        ImageBarButtonUp,
        ImageBarButtonDown,
        ImageBarButtonOver,
        // Behind the player's own person: 128 x 128, the figure's cell at
        // columns 32..95 and rows 48..111.
        ImagePlayerMarker,
        // A small button without a word: its label is lettered over it.
        ImageSmallButtonUp,
        ImageSmallButtonDown,
        ImageSmallButtonOver,
        ImageFocusNumber,
        ImageFocusBar,
        ImageFocusButton,
        // Around a settings line's arrows and value box.
        ImageFocusLine,
        // The alert rings of a fighter laying down arms and of a new peace
        // keeper (ImageAlertCircle is the threat's).
        ImageAlertLaidDown,
        ImageAlertPeaceKeeper,
        ImageHowToPlay,
    };
    static constexpr int kImageCount = ImageHowToPlay + 1;

    static ImageDrawer* getInstance();

    ImageDrawer(const ImageDrawer&) = delete;
    ImageDrawer& operator=(const ImageDrawer&) = delete;

    // The picture's size in pixels; 1024 x 768 until set.
    void setScreenDimensions(float width, float height);

    // Draws one image with its lower-left corner at logical (x, y) at natural
    // size. Scales act about the centre the image has at natural size (a
    // negative scale mirrors); red, green, blue and alpha multiply the texture.
    // Both sides scale with the width ratio, so images keep their aspect; only
    // the vertical position follows the height ratio. Leaves the colour white,
    // no texture bound (except within a batch) and the model-view matrix as it
    // was. Only the part of the image that is not fully transparent is sent
    // to OpenGL, with the texture coordinates of that part.
    void drawImage(ImageType type, float x, float y, float scaleX, float scaleY, float red,
                   float green, float blue, float alpha);

    // Between beginBatch() and endBatch() draws leave their texture bound, so
    // that the renderer can take a run of sprites as one; endBatch() unbinds.
    // A caller that binds textures of its own in between needs no care.
    void beginBatch();
    void endBatch();

    // Frees the pixels of each image that has a texture of its own, until it
    // is drawn again: a screen that is done with its larger images need not
    // keep them. The sprites in the atlas stay.
    void release(std::initializer_list<ImageType> types);
    // Whether the image's pixels are in a texture now.
    bool resident(ImageType type) const;

    // A read-only stream over the embedded PNG of `type`; any value outside
    // the enumeration gives the figure's stream.
    static SDL_RWops* getRW(ImageType type);

    // The texture of each image: the small ones share one (the atlas). An
    // image with a texture of its own keeps its name while released.
    unsigned int textures[kImageCount] = {};
    // Known from the start for every image that can be read, resident or not.
    float imageSizes[kImageCount][2] = {};
    // Where the whole image lies in its texture: s and t of its top-left and
    // bottom-right corners (the top row of the PNG at the smaller t).
    float textureBoxes[kImageCount][4] = {};
    // The part drawn: left, top, right and bottom edges as fractions of the
    // image's width and height, from its top-left corner.
    float visibleBoxes[kImageCount][4] = {};
    // Every pixel fully opaque: drawn unfaded, such an image needs no blending.
    bool opaque[kImageCount] = {};
    float screenWidth = Widget::kLogicalWidth;
    float screenHeight = Widget::kLogicalHeight;

  private:
    enum class Storage : unsigned char { Missing, Atlas, Released, Own };

    ImageDrawer();
    ~ImageDrawer() = default;

    // Decodes the small images one at a time into their places of a new atlas.
    void uploadAtlas();
    void uploadOwn(int type);
    // The image decoded, of the size its header gave, with its visible box
    // and opaqueness measured; the caller frees it. Null, after a line on
    // standard output, when it does not decode so: the image is then missing
    // for good and drawn as nothing.
    SDL_Surface* decode(int type);
    // The context was made anew: every name held is stale.
    void followContext();

    Storage storage[kImageCount] = {};
    // Top-left corner of each image's frame in the atlas; -1 outside it.
    int atlasPlaces[kImageCount][2] = {};
    int atlasHeight = 0;
    unsigned int generation = 0;
    bool batching = false;
};

#endif
