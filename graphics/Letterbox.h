#ifndef TRUCEWARD_GRAPHICS_LETTERBOX_H
#define TRUCEWARD_GRAPHICS_LETTERBOX_H

// Where the game's 4:3 picture lies in a window of any shape: as large as
// fits, centred, with black bars filling the rest. Pixels from the window's
// bottom-left corner, as OpenGL counts them.
struct Letterbox {
    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;

    // At least one pixel each way, however small the window.
    static Letterbox fit(int windowWidth, int windowHeight);

    // Whether the picture leaves bars in a window of that size.
    bool hasBars(int windowWidth, int windowHeight) const;

    // A pointer position in window pixels (origin top-left, y down, as SDL
    // reports it) moved to the picture's own (origin at its top-left).
    float pointerX(int windowX) const;
    float pointerY(int windowY, int windowHeight) const;
    // Whether a pointer position in picture pixels lies on the picture.
    bool holds(float pictureX, float pictureY) const;
};

#endif
