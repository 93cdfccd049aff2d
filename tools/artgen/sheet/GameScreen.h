#ifndef TRUCEWARD_TOOLS_ARTGEN_SHEET_GAMESCREEN_H
#define TRUCEWARD_TOOLS_ARTGEN_SHEET_GAMESCREEN_H

#include <string>

#include "image/RgbaImage.h"
#include "paint/Canvas.h"
#include "sheet/GlyphLine.h"

// A stand-in for the game's 1024 x 768 window, used to see the pictures
// together as the game will show them. It places images the way the game's
// image drawer does (lower-left corner at logical (x, y), y upwards, scale
// about the natural centre, colour multiplied in) and text the way its
// bitmap text does (see GlyphLine).
class GameScreen {
  public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    explicit GameScreen(glyph_line::GlyphSource glyphFor);

    void drawImage(const RgbaImage& image, double x, double y, double scaleX = 1.0,
                   double scaleY = 1.0, double red = 1.0, double green = 1.0, double blue = 1.0,
                   double alpha = 1.0);
    // The line's lower-left corner at (x, y); text in UTF-8.
    void drawText(const std::string& text, double x, double y, double size);

    RgbaImage snapshot() const { return canvas.snapshot(); }

  private:
    Canvas canvas;
    glyph_line::GlyphSource glyphFor;
};

#endif
