#include "text/Lettering.h"

#include <stdexcept>

#include "paint/Shapes.h"
#include "text/FontFace.h"

namespace {

// A character the face lacks would be drawn as its blank "missing" glyph,
// and a picture would quietly show nothing where a letter belongs.
void requireGlyphs(cairo_t* cr, const std::string& text) {
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    const cairo_status_t status =
        cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0.0, 0.0, text.c_str(), -1,
                                         &glyphs, &count, nullptr, nullptr, nullptr);
    bool missing = status != CAIRO_STATUS_SUCCESS;
    for (int i = 0; i < count; ++i) {
        missing = missing || glyphs[i].index == 0;
    }
    cairo_glyph_free(glyphs);
    if (missing) {
        throw std::runtime_error("the lettering's face has no glyph for a character of \"" + text +
                                 "\"");
    }
}

}  // namespace

PathFit::PathBuilder Lettering::textPath(const std::string& text) {
    return [text](cairo_t* cr) {
        cairo_set_font_face(cr, FontFace::lettering().face());
        FontFace::useUnhinted(cr);
        cairo_set_font_size(cr, kPathSize);
        requireGlyphs(cr, text);
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
