#include "paint/PathFit.h"

#include <algorithm>
#include <stdexcept>

Bounds PathFit::measure(cairo_t* cr, const PathBuilder& build) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_new_path(cr);
    build(cr);
    cairo_identity_matrix(cr);
    Bounds extents;
    cairo_path_extents(cr, &extents.left, &extents.top, &extents.right, &extents.bottom);
    cairo_new_path(cr);
    cairo_restore(cr);
    return extents;
}

PathFit::PathFit(cairo_t* cr, const PathBuilder& build, const Bounds& target, double margin,
                 Mode mode)
    : natural(measure(cr, build)) {
    const Bounds room = target.grown(-margin);
    if (natural.width() <= 0.0 || natural.height() <= 0.0 || room.width() <= 0.0 ||
        room.height() <= 0.0) {
        throw std::invalid_argument("cannot fit an empty drawing or into an empty box");
    }
    scaleX = room.width() / natural.width();
    scaleY = room.height() / natural.height();
    if (mode == Mode::KeepAspect) {
        scaleX = scaleY = std::min(scaleX, scaleY);
    }
    shiftX = room.centreX() - natural.centreX() * scaleX;
    shiftY = room.centreY() - natural.centreY() * scaleY;
}

void PathFit::apply(cairo_t* cr, double offsetX, double offsetY) const {
    cairo_identity_matrix(cr);
    cairo_translate(cr, shiftX + offsetX, shiftY + offsetY);
    cairo_scale(cr, scaleX, scaleY);
}

Bounds PathFit::placedPath() const {
    return Bounds{shiftX + natural.left * scaleX, shiftY + natural.top * scaleY,
                  shiftX + natural.right * scaleX, shiftY + natural.bottom * scaleY};
}
