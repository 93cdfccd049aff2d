#ifndef TRUCEWARD_TOOLS_ARTGEN_TEXT_FONTFACE_H
#define TRUCEWARD_TOOLS_ARTGEN_TEXT_FONTFACE_H

#include <cairo.h>

#include <string>

// The hand-lettered face all lettering is set in, loaded straight from its
// file through FreeType rather than chosen by fontconfig, so that the same
// outlines are used on every machine that has the font package.
// Owns a cairo font face; copying would release it twice.
class FontFace {
  public:
    // The bold Comic Neue face of Debian's fonts-comic-neue package; throws
    // std::runtime_error naming the package when it is not installed.
    static const FontFace& lettering();

    explicit FontFace(const std::string& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    cairo_font_face_t* face() const { return cairoFace; }
    // Font options that keep outlines unhinted, so text scales linearly.
    static void useUnhinted(cairo_t* cr);

  private:
    cairo_font_face_t* cairoFace = nullptr;
};

#endif
