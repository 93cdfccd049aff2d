#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_CONTENTCHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_CONTENTCHECK_H

#include "check/CheckReport.h"
#include "image/RgbaImage.h"

// Checks that a picture shows what it is described as: the colours and the
// way round of the things the game draws.
namespace content_check {

// Opaque, green and calm: a field that nothing on it has to compete with.
void grassField(const RgbaImage& image, const std::string& file, CheckReport& report);
// Yellow, with its head (the bright, solid part) on the left.
void bullet(const RgbaImage& image, CheckReport& report);
// Mostly yellow with a red centre.
void shotBang(const RgbaImage& image, CheckReport& report);
// Aqua with black outlines: a halo behind the figure (whose cell the game
// puts at column 32, row 48) and an outlined arrow above the figure's head.
void playerMarker(const RgbaImage& image, CheckReport& report);
// Near-white grey only.
void smoke(const RgbaImage& image, CheckReport& report);
// A green band.
void mound(const RgbaImage& image, const std::string& file, CheckReport& report);
// The middle bank covers almost the whole width.
void centralMoundWidth(const RgbaImage& image, CheckReport& report);
// White arrow, black outline, tip near column 10, row 8.
void pointer(const RgbaImage& image, CheckReport& report);
// A glyph is white lettering: grey levels only, with white in it.
void glyph(const RgbaImage& image, const std::string& file, CheckReport& report);
// No white lettering anywhere: the game letters the words over the picture
// itself, in its own font, so that they can be translated.
void wordless(const RgbaImage& image, const std::string& file, CheckReport& report);
// Upright brick: tan face on top, darker lower third, black outline.
void brick(const RgbaImage& image, CheckReport& report);

}  // namespace content_check

#endif
