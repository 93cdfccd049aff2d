#ifndef TRUCEWARD_ASSETS_GLYPHSPACING_H
#define TRUCEWARD_ASSETS_GLYPHSPACING_H

// Written by tools/artgen from the ink of the glyphs in assets/fonts/: run it
// again rather than editing this file.
//
// How the pen moves over a glyph of the bitmap font, in pixels of the glyph's
// 64-pixel cell: the cell is drawn `left` pixels before the pen, and the pen
// then moves on by `advance`. Both come from the glyph's ink, its outline
// included, so that the ink of any two neighbours stands kGlyphGap apart (less
// than nothing: their outlines overlap), and the ink of a whole line lies
// kLineMargin inside either end of it.
struct GlyphSpacing {
    int left;
    int advance;
};

namespace Fonts {

inline constexpr int kGlyphCell = 64;
inline constexpr int kGlyphGap = -2;
inline constexpr int kLineMargin = 3;
// A character without a glyph moves the pen by this much.
inline constexpr int kBlankAdvance = 20;
// In font order: digits, letters, then the marks . , ! - + : / ( ) ' ?
inline constexpr GlyphSpacing kGlyphSpacing[47] = {
    {2, 52},   // font0
    {10, 36},  // font1
    {5, 46},   // font2
    {5, 46},   // font3
    {5, 46},   // font4
    {4, 48},   // font5
    {4, 48},   // font6
    {5, 46},   // font7
    {5, 46},   // font8
    {4, 48},   // font9
    {0, 56},   // fonta
    {1, 54},   // fontb
    {0, 56},   // fontc
    {1, 54},   // fontd
    {1, 54},   // fonte
    {1, 54},   // fontf
    {0, 56},   // fontg
    {0, 56},   // fonth
    {9, 38},   // fonti
    {5, 46},   // fontj
    {2, 52},   // fontk
    {5, 46},   // fontl
    {0, 56},   // fontm
    {1, 54},   // fontn
    {0, 56},   // fonto
    {2, 52},   // fontp
    {0, 56},   // fontq
    {1, 54},   // fontr
    {1, 54},   // fonts
    {0, 56},   // fontt
    {0, 56},   // fontu
    {0, 56},   // fontv
    {0, 56},   // fontw
    {0, 56},   // fontx
    {0, 56},   // fonty
    {0, 56},   // fontz
    {22, 12},  // fontperiod
    {21, 14},  // fontcomma
    {21, 14},  // fontexclaim
    {6, 44},   // fontminus
    {10, 36},  // fontplus
    {18, 20},  // fontcolon
    {6, 44},   // fontslash
    {12, 32},  // fontlparen
    {12, 32},  // fontrparen
    {20, 16},  // fontapostrophe
    {5, 46},   // fontquestion
};

}  // namespace Fonts

#endif
