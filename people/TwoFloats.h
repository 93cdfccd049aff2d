#ifndef TRUCEWARD_PEOPLE_TWOFLOATS_H
#define TRUCEWARD_PEOPLE_TWOFLOATS_H

// Two floats in a row.
struct TwoFloats {
    float first = 0.0f;
    float second = 0.0f;
};

// Both components times the scalar.
TwoFloats operator*(float scalar, const TwoFloats& value);

#endif
