#ifndef TRUCEWARD_GRAPHICS_THREEFLOATS_H
#define TRUCEWARD_GRAPHICS_THREEFLOATS_H

// Three floats in a row; used as a colour (red, green, blue).
struct ThreeFloats {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

#endif
