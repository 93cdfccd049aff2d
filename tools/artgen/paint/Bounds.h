#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_BOUNDS_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_BOUNDS_H

#include "image/PixelBox.h"

// A rectangle in continuous image coordinates: x to the right, y downwards,
// pixel (c, r) covering [c, c + 1) x [r, r + 1).
struct Bounds {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }

    // The area covered by the pixels of box, shrunk by inset on every side.
    static Bounds ofPixels(const PixelBox& box, double inset) {
        return Bounds{box.left + inset, box.top + inset, box.right + 1.0 - inset,
                      box.bottom + 1.0 - inset};
    }
    // This rectangle grown by amount on every side (shrunk when negative).
    Bounds grown(double amount) const {
        return Bounds{left - amount, top - amount, right + amount, bottom + amount};
    }
};

#endif
