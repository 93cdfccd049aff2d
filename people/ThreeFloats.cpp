#include "people/ThreeFloats.h"

ThreeFloats operator*(float scalar, const ThreeFloats& value) {
    return ThreeFloats{scalar * value.red, scalar * value.green, scalar * value.blue};
}
