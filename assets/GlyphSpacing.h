#ifndef TRUCEWARD_ASSETS_GLYPHSPACING_H
#define TRUCEWARD_ASSETS_GLYPHSPACING_H

// Written by tools/artgen with the glyphs in assets/fonts/: run it again rather
// than editing this file.
//
// The glyphs of the bitmap font, in font order (assets/fonts/glyphs.cmake lists
// the same files for the build): each glyph's file name, the characters of the
// text it is shown for, as code points (a letter in lower case and its capital,
// but the letters a to z in lower case only; else one character and 0), and how
// the pen moves over it, in pixels of the glyph's cell, kGlyphCellWidth wide:
// the cell is drawn `left` pixels before the pen, and the pen then moves on by
// `advance`. Both come from the glyph's ink, its outline included, so that the
// ink of any two neighbours stands kGlyphGap apart (less than nothing: their
// outlines overlap), and the ink of a whole line lies kLineMargin inside either
// end of it.
struct GlyphSpacing {
    const char* name;
    char32_t characters[2];
    int left;
    int advance;
};

namespace Fonts {

// A line of size S is lettered in cells S wide. Its capitals stand in the
// square of rows kGlyphLineTop to kGlyphLineTop + kGlyphCellWidth - 1 (counted
// from the cell's top) as they always did; the rows above hold the accents of
// capitals, the rows below ogoneks, cedillas and tails.
inline constexpr int kGlyphCellWidth = 64;
inline constexpr int kGlyphCellHeight = 96;
inline constexpr int kGlyphLineTop = 16;
inline constexpr int kGlyphGap = -2;
inline constexpr int kLineMargin = 3;
// A character without a glyph moves the pen by this much.
inline constexpr int kBlankAdvance = 20;
// In font order: digits, letters, the marks . , ! - + : / ( ) ' ?, then the
// letters and marks of the translations by code point.
inline constexpr GlyphSpacing kGlyphSpacing[95] = {
    {"font0", {0x0030, 0}, 2, 52},            // 0
    {"font1", {0x0031, 0}, 10, 36},           // 1
    {"font2", {0x0032, 0}, 5, 46},            // 2
    {"font3", {0x0033, 0}, 5, 46},            // 3
    {"font4", {0x0034, 0}, 5, 46},            // 4
    {"font5", {0x0035, 0}, 4, 48},            // 5
    {"font6", {0x0036, 0}, 4, 48},            // 6
    {"font7", {0x0037, 0}, 5, 46},            // 7
    {"font8", {0x0038, 0}, 5, 46},            // 8
    {"font9", {0x0039, 0}, 4, 48},            // 9
    {"fonta", {0x0061, 0}, 0, 56},            // a
    {"fontb", {0x0062, 0}, 1, 54},            // b
    {"fontc", {0x0063, 0}, 0, 56},            // c
    {"fontd", {0x0064, 0}, 1, 54},            // d
    {"fonte", {0x0065, 0}, 1, 54},            // e
    {"fontf", {0x0066, 0}, 1, 54},            // f
    {"fontg", {0x0067, 0}, 0, 56},            // g
    {"fonth", {0x0068, 0}, 0, 56},            // h
    {"fonti", {0x0069, 0}, 9, 38},            // i
    {"fontj", {0x006a, 0}, 5, 46},            // j
    {"fontk", {0x006b, 0}, 2, 52},            // k
    {"fontl", {0x006c, 0}, 5, 46},            // l
    {"fontm", {0x006d, 0}, 0, 56},            // m
    {"fontn", {0x006e, 0}, 1, 54},            // n
    {"fonto", {0x006f, 0}, 0, 56},            // o
    {"fontp", {0x0070, 0}, 2, 52},            // p
    {"fontq", {0x0071, 0}, 0, 56},            // q
    {"fontr", {0x0072, 0}, 1, 54},            // r
    {"fonts", {0x0073, 0}, 1, 54},            // s
    {"fontt", {0x0074, 0}, 0, 56},            // t
    {"fontu", {0x0075, 0}, 0, 56},            // u
    {"fontv", {0x0076, 0}, 0, 56},            // v
    {"fontw", {0x0077, 0}, 0, 56},            // w
    {"fontx", {0x0078, 0}, 0, 56},            // x
    {"fonty", {0x0079, 0}, 0, 56},            // y
    {"fontz", {0x007a, 0}, 0, 56},            // z
    {"fontperiod", {0x002e, 0}, 22, 12},      // .
    {"fontcomma", {0x002c, 0}, 21, 14},       // ,
    {"fontexclaim", {0x0021, 0}, 21, 14},     // !
    {"fontminus", {0x002d, 0}, 6, 44},        // -
    {"fontplus", {0x002b, 0}, 10, 36},        // +
    {"fontcolon", {0x003a, 0}, 18, 20},       // :
    {"fontslash", {0x002f, 0}, 6, 44},        // /
    {"fontlparen", {0x0028, 0}, 12, 32},      // (
    {"fontrparen", {0x0029, 0}, 12, 32},      // )
    {"fontapostrophe", {0x0027, 0}, 20, 16},  // '
    {"fontquestion", {0x003f, 0}, 5, 46},     // ?
    {"fontu0022", {0x0022, 0}, 13, 30},       // "
    {"fontu0025", {0x0025, 0}, 0, 56},        // %
    {"fontu003b", {0x003b, 0}, 17, 22},       // ;
    {"fontu00a1", {0x00a1, 0}, 19, 18},       // ¡
    {"fontu00ab", {0x00ab, 0}, 1, 54},        // «
    {"fontu00bb", {0x00bb, 0}, 1, 54},        // »
    {"fontu00bf", {0x00bf, 0}, 5, 46},        // ¿
    {"fontu00c0", {0x00e0, 0x00c0}, 0, 56},   // à À
    {"fontu00c1", {0x00e1, 0x00c1}, 0, 56},   // á Á
    {"fontu00c2", {0x00e2, 0x00c2}, 0, 56},   // â Â
    {"fontu00c3", {0x00e3, 0x00c3}, 0, 56},   // ã Ã
    {"fontu00c4", {0x00e4, 0x00c4}, 0, 56},   // ä Ä
    {"fontu00c6", {0x00e6, 0x00c6}, 0, 56},   // æ Æ
    {"fontu00c7", {0x00e7, 0x00c7}, 0, 56},   // ç Ç
    {"fontu00c8", {0x00e8, 0x00c8}, 1, 54},   // è È
    {"fontu00c9", {0x00e9, 0x00c9}, 1, 54},   // é É
    {"fontu00ca", {0x00ea, 0x00ca}, 1, 54},   // ê Ê
    {"fontu00cb", {0x00eb, 0x00cb}, 1, 54},   // ë Ë
    {"fontu00cc", {0x00ec, 0x00cc}, 9, 38},   // ì Ì
    {"fontu00cd", {0x00ed, 0x00cd}, 9, 38},   // í Í
    {"fontu00ce", {0x00ee, 0x00ce}, 9, 38},   // î Î
    {"fontu00cf", {0x00ef, 0x00cf}, 9, 38},   // ï Ï
    {"fontu00d1", {0x00f1, 0x00d1}, 1, 54},   // ñ Ñ
    {"fontu00d2", {0x00f2, 0x00d2}, 0, 56},   // ò Ò
    {"fontu00d3", {0x00f3, 0x00d3}, 0, 56},   // ó Ó
    {"fontu00d4", {0x00f4, 0x00d4}, 0, 56},   // ô Ô
    {"fontu00d5", {0x00f5, 0x00d5}, 0, 56},   // õ Õ
    {"fontu00d6", {0x00f6, 0x00d6}, 0, 56},   // ö Ö
    {"fontu00d9", {0x00f9, 0x00d9}, 0, 56},   // ù Ù
    {"fontu00da", {0x00fa, 0x00da}, 0, 56},   // ú Ú
    {"fontu00db", {0x00fb, 0x00db}, 0, 56},   // û Û
    {"fontu00dc", {0x00fc, 0x00dc}, 0, 56},   // ü Ü
    {"fontu00df", {0x00df, 0x1e9e}, 5, 46},   // ß ẞ
    {"fontu0104", {0x0105, 0x0104}, -3, 62},  // ą Ą
    {"fontu0106", {0x0107, 0x0106}, 0, 56},   // ć Ć
    {"fontu0118", {0x0119, 0x0118}, 1, 57},   // ę Ę
    {"fontu0141", {0x0142, 0x0141}, 1, 54},   // ł Ł
    {"fontu0143", {0x0144, 0x0143}, 1, 54},   // ń Ń
    {"fontu0152", {0x0153, 0x0152}, 0, 56},   // œ Œ
    {"fontu015a", {0x015b, 0x015a}, 1, 54},   // ś Ś
    {"fontu0179", {0x017a, 0x0179}, 0, 56},   // ź Ź
    {"fontu017b", {0x017c, 0x017b}, 0, 56},   // ż Ż
    {"fontu2013", {0x2013, 0}, 0, 56},        // –
    {"fontu2019", {0x2019, 0}, 19, 18},       // ’
    {"fontu201c", {0x201c, 0}, 11, 34},       // “
    {"fontu201d", {0x201d, 0}, 11, 34},       // ”
    {"fontu201e", {0x201e, 0}, 11, 34},       // „
    {"fontu2026", {0x2026, 0}, 9, 38},        // …
};

}  // namespace Fonts

#endif
