#ifndef TRUCEWARD_PEOPLE_THREEFLOATS_H
#define TRUCEWARD_PEOPLE_THREEFLOATS_H

// Three floats in a row; used as a colour (red, green, blue).
struct ThreeFloats {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

// Every component times the scalar.
ThreeFloats operator*(float scalar, const ThreeFloats& value);

#endif
