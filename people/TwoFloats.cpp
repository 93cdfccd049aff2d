#include "people/TwoFloats.h"

TwoFloats operator*(float scalar, const TwoFloats& value) {
    return TwoFloats{scalar * value.first, scalar * value.second};
}
