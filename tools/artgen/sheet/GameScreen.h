#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_GAMESCREEN_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_GAMESCREEN_H

#include <functional>
#include <string>

#include "image/RgbaImage.h"
#include "paint/Canvas.h"

// A stand-in for the game's 1024 x 768 window, used to see the pictures
// together as the game will show them. It places images the way the game's
// image drawer does (lower-left corner at logical (x, y), y upwards, scale
// about the natural centre, colour multiplied in) and text the way its
// bitmap text does (cells of size x size, spaced by the glyphs' ink).
class GameScreen {
  public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    using GlyphSource = std::function<const RgbaImage*(char)>;

    // glyphFor gives the glyph image of a character, or null where the font
    // has none (blanks, capitals).
    explicit GameScreen(GlyphSource glyphFor);

    void drawImage(const RgbaImage& image, double x, double y, double scaleX = 1.0,
                   double scaleY = 1.0, double red = 1.0, double green = 1.0, double blue = 1.0,
                   double alpha = 1.0);
    void drawText(const std::string& text, double x, double y, double size);

    RgbaImage snapshot() const { return canvas.snapshot(); }

  private:
    Canvas canvas;
    GlyphSource glyphFor;
};

#endif
