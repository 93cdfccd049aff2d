#ifndef TRUCEWARD_GRAPHICS_TEXTDRAWER_H
#define TRUCEWARD_GRAPHICS_TEXTDRAWER_H

#include <SDL.h>

#include <iterator>
#include <string>
#include <vector>

#include "assets/GlyphSpacing.h"
#include "graphics/ThreeFloats.h"

// Writes short lines in the bitmap font, in window pixels (origin bottom-left,
// y up). Text is UTF-8; the font has glyphs for the digits, the letters a to z
// (shown as capitals), . , ! - + : / ( ) ' ? and the letters and marks of the
// game's translations (assets/GlyphSpacing.h), a letter's capital shown for
// either case; every other character is a blank. Each glyph has its own width
// (measured from its ink), so that any two neighbours stand evenly apart. Each
// screen owns one. It keeps the glyphs it has drawn in one texture, an atlas
// with a slot for every glyph it may need, so that a line is one batch of
// quads (the
// software renderer pays for every change of texture, and a screen letters
// hundreds of glyphs a frame); only the glyphs a screen draws are decoded and
// uploaded. A screen can be built without an OpenGL context (a battle checked
// from a replay file draws nothing); the atlas goes with its drawer, and once
// the context has been made anew (GlContext), it is made again.
class TextDrawer {
  public:
    static constexpr int kGlyphCount = static_cast<int>(std::size(Fonts::kGlyphSpacing));

    TextDrawer();
    TextDrawer(const TextDrawer&) = delete;
    TextDrawer& operator=(const TextDrawer&) = delete;
    ~TextDrawer();

    // The line starts at (x, y), its lower-left corner; the line's square of
    // every glyph's cell is size by size pixels (accents stand above it,
    // cedillas and ogoneks below), placed by the glyph's spacing at that size.
    // The ink starts a small margin after x, as the widest letters' always
    // did.
    void drawText(const std::string& text, float x, float y, float size);
    // The width of the whole line at that size, in pixels: its ink with the
    // same margin at either end; the width to centre or right-align it by.
    float textWidth(const std::string& text, float size) const;
    // drawText with the line centred on x = centreX.
    void drawCentred(const std::string& text, float centreX, float y, float size);
    // The text broken at spaces into lines no wider than `width` at that
    // size, as far as its words allow (a word wider than that has a line of
    // its own).
    std::vector<std::string> wrap(const std::string& text, float width, float size) const;

    // A read-only stream over a glyph's PNG; index 0 and every index outside
    // 1..kGlyphCount - 1 give the glyph of the digit 0.
    static SDL_RWops* getRW(int index);

    // The glyph of a character (a code point), or -1 when it has none.
    static int glyphIndex(char32_t character);

    // Whether the glyph has its place in the atlas.
    bool holds(int glyph) const;

    // The atlas's texture: 0 until the first glyph is drawn.
    unsigned int atlas = 0;
    ThreeFloats colour;

  private:
    enum class Upload { None, Done, Unreadable };

    // Uploads every glyph of the line not yet in the atlas, making the atlas
    // first where there is none in this context; a glyph that does not
    // decode is left out, with one line said.
    void place(const std::u32string& line);
    // Into its slot of the bound atlas.
    void upload(int glyph);
    // Makes the atlas `rows` rows of slots high, with every glyph uploaded
    // so far, and leaves it bound.
    void makeAtlas(int rows);

    Upload uploaded[kGlyphCount];
    int atlasRows = 0;
    int atlasHeight = 0;
    // The context the atlas was made in.
    unsigned int atlasGeneration = 0;
};

#endif
