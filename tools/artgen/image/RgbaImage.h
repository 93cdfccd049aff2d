#ifndef TRUCEWARD_TOOLS_ARTGEN_IMAGE_RGBAIMAGE_H
#define TRUCEWARD_TOOLS_ARTGEN_IMAGE_RGBAIMAGE_H

#include <cstdint>
#include <vector>

#include "image/PixelBox.h"
#include "image/Rgba.h"

// A width x height image of straight RGBA pixels, top row first: the form in
// which every picture is written, read back and checked.
class RgbaImage {
  public:
    RgbaImage() = default;
    // A fully transparent black image.
    RgbaImage(int width, int height);

    int width() const { return w; }
    int height() const { return h; }

    Rgba at(int column, int row) const { return pixels[index(column, row)]; }
    void set(int column, int row, Rgba value) { pixels[index(column, row)] = value; }

    // The smallest box holding every pixel whose alpha is above threshold;
    // with the default threshold that is every pixel that is not fully clear.
    PixelBox inkBox(int threshold = 0) const;
    // The box of pixels for which the predicate holds, searched inside area.
    template <typename Predicate>
    PixelBox boxWhere(const PixelBox& area, Predicate predicate) const;
    // The highest alpha of any pixel.
    int maxAlpha() const;
    // The lowest alpha of any pixel (255 for a fully opaque image).
    int minAlpha() const;

  private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(w) +
               static_cast<std::size_t>(column);
    }

    int w = 0;
    int h = 0;
    std::vector<Rgba> pixels;
};

template <typename Predicate>
PixelBox RgbaImage::boxWhere(const PixelBox& area, Predicate predicate) const {
    PixelBox found;
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column) {
            if (predicate(at(column, row))) {
                found.include(column, row);
            }
        }
    }
    return found;
}

#endif
