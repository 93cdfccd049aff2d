#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_CANVAS_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_CANVAS_H

#include <cairo.h>

#include "image/RgbaImage.h"

// A cairo drawing surface of a fixed size (premultiplied ARGB) with its
// context. Copying would share the surface behind both copies' backs.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* context() const { return cr; }
    int width() const { return w; }
    int height() const { return h; }

    // The pixels drawn so far, un-premultiplied.
    RgbaImage snapshot() const;
    // Composites an image with its top-left corner at (x, y), scaled by the
    // given factors, smoothing as the game's linear texture filter does.
    void drawImage(const RgbaImage& image, double x, double y, double scaleX = 1.0,
                   double scaleY = 1.0) const;
    // Replaces the surface's pixels with the image's (same size required).
    void load(const RgbaImage& image);

  private:
    int w;
    int h;
    cairo_surface_t* surface;
    cairo_t* cr;
};

#endif
