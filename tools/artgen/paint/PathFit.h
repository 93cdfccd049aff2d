#ifndef TRUCEWARD_TOOLS_ARTGEN_PAINT_PATHFIT_H
#define TRUCEWARD_TOOLS_ARTGEN_PAINT_PATHFIT_H

#include <cairo.h>

#include <functional>

#include "paint/Bounds.h"

// Places a drawing so that its ink fills a given rectangle. The drawing is a
// function that adds a path to the context under whatever matrix it finds;
// its ink is the path grown by a margin (the outline, for outlined shapes).
// The fit is an extra scale and shift in image space, applied in front of the
// drawing's own transformations, so slants and shears are kept.
class PathFit {
  public:
    using PathBuilder = std::function<void(cairo_t*)>;

    // How the drawing is stretched to the target.
    enum class Mode {
        Stretch,    // both sides filled exactly, aspect may change
        KeepAspect  // one scale, centred in the target, filling one side
    };

    // Measures the path in image space and works out the placement.
    PathFit(cairo_t* cr, const PathBuilder& build, const Bounds& target, double margin, Mode mode);

    // Makes the placement the context's matrix, moved by (offsetX, offsetY)
    // image pixels; the drawing's own transformations are then applied on
    // top of it by the builder.
    void apply(cairo_t* cr, double offsetX = 0.0, double offsetY = 0.0) const;
    // Extents of the bare path (without margin) once placed.
    Bounds placedPath() const;
    // Extents of the bare path as drawn at the context's identity matrix.
    const Bounds& measured() const { return natural; }

    // The image-space extents of the path the builder draws, with the
    // context's current matrix reset to identity.
    static Bounds measure(cairo_t* cr, const PathBuilder& build);

  private:
    Bounds natural;
    double scaleX = 1.0;
    double scaleY = 1.0;
    double shiftX = 0.0;
    double shiftY = 0.0;
};

#endif
