#include "text/FontFace.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <fstream>
#include <stdexcept>

namespace {

const char* const kCandidatePaths[] = {
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
    "/usr/share/fonts/truetype/comic-neue/ComicNeue-Bold.ttf",
};

// FreeType's library handle. It is kept for the whole run, because cairo
// caches scaled fonts beyond the life of the faces it was given.
FT_Library freetype() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) {
            throw std::runtime_error("FreeType could not start");
        }
        return made;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

}  // namespace

const FontFace& FontFace::lettering() {
    for (const char* path : kCandidatePaths) {
        if (std::ifstream(path).good()) {
            static const FontFace face(path);
            return face;
        }
    }
    throw std::runtime_error(
        "Comic Neue Bold not found: install the Debian package fonts-comic-neue");
}

FontFace::FontFace(const std::string& path) {
    FT_Face ftFace = nullptr;
    if (FT_New_Face(freetype(), path.c_str(), 0, &ftFace) != 0) {
        throw std::runtime_error("FreeType cannot read " + path);
    }
    cairoFace = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    if (cairo_font_face_set_user_data(cairoFace, &kFaceKey, ftFace, releaseFace) !=
        CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(ftFace);
        throw std::runtime_error("cairo cannot hold the font " + path);
    }
}

FontFace::~FontFace() {
    cairo_font_face_destroy(cairoFace);
}

void FontFace::useUnhinted(cairo_t* cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}
