#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_COLOUR_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_COLOUR_H

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

// A colour with straight alpha, each channel in 0..1.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;

    // From 8-bit channel values, as colours are usually picked.
    static constexpr Colour bytes(int red, int green, int blue, int alpha = 255) {
        return Colour{red / 255.0, green / 255.0, blue / 255.0, alpha / 255.0};
    }
    Colour withAlpha(double alpha) const { return Colour{r, g, b, alpha}; }
    // Linear blend: 0 gives this colour, 1 gives other.
    Colour mix(const Colour& other, double t) const {
        return Colour{r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t,
                      a + (other.a - a) * t};
    }
    void use(cairo_t* cr) const { cairo_set_source_rgba(cr, r, g, b, a); }

    // A channel value in 0..1 as an 8-bit value, rounded and clamped.
    static std::uint8_t toByte(double value) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(value * 255.0), 0L, 255L));
    }
};

#endif
