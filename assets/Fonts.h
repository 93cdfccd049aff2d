#ifndef TRUCEWARD_ASSETS_FONTS_H
#define TRUCEWARD_ASSETS_FONTS_H

#include "graphics/EmbeddedFile.h"

// The glyphs of the bitmap font: RGBA PNG files compiled in from assets/fonts/
// (drawn by tools/artgen), in font order, as assets/GlyphSpacing.h lists them.
namespace Fonts {

extern const EmbeddedFile kFiles[];
extern const int kFileCount;

}  // namespace Fonts

#endif
