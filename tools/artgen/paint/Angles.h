#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_ANGLES_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_ANGLES_H

// Angles for cairo's arcs and rotations, in radians. (M_PI is not part of
// standard C++.)
namespace angles {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFullTurn = 2.0 * kPi;
constexpr double kQuarterTurn = kPi / 2.0;

constexpr double fromDegrees(double degrees) {
    return degrees * kPi / 180.0;
}

}  // namespace angles

#endif
