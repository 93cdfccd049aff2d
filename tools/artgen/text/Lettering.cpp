#include "text/Lettering.h"

#include "paint/Shapes.h"
#include "text/FontFace.h"

PathFit::PathBuilder Lettering::textPath(const std::string& text) {
    return [text](cairo_t* cr) {
        cairo_set_font_face(cr, FontFace::lettering().face());
        FontFace::useUnhinted(cr);
        cairo_set_font_size(cr, kPathSize);
        cairo_move_to(cr, 0.0, 0.0);
        cairo_text_path(cr, text.c_str());
    };
}

void Lettering::paint(cairo_t* cr, const std::string& text, const Bounds& target,
                      double outlineWidth, PathFit::Mode mode, const Colour& fill) {
    const PathFit::PathBuilder build = textPath(text);
    const PathFit fit(cr, build, target, outlineWidth, mode);
    cairo_save(cr);
    fit.apply(cr);
    cairo_new_path(cr);
    build(cr);
    cairo_restore(cr);
    shapes::outlineAndFill(cr, fill, outlineWidth);
}
