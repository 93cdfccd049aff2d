#include "sheet/GameScreen.h"

#include <utility>

#include "sheet/Tint.h"

GameScreen::GameScreen(glyph_line::GlyphSource glyphFor)
    : canvas(kWidth, kHeight), glyphFor(std::move(glyphFor)) {
    cairo_set_source_rgb(canvas.context(), 0.0, 0.0, 0.0);
    cairo_paint(canvas.context());
}

void GameScreen::drawImage(const RgbaImage& image, double x, double y, double scaleX, double scaleY,
                           double red, double green, double blue, double alpha) {
    const double w = image.width();
    const double h = image.height();
    // Centre of the image at natural size, in canvas pixels (y downwards).
    const double centreX = x + w / 2.0;
    const double centreY = kHeight - (y + h / 2.0);
    const bool plain = red == 1.0 && green == 1.0 && blue == 1.0 && alpha == 1.0;
    const RgbaImage& shown = plain ? image : tint::multiplied(image, red, green, blue, alpha);
    canvas.drawImage(shown, centreX - w * scaleX / 2.0, centreY - h * scaleY / 2.0, scaleX, scaleY);
}

void GameScreen::drawText(const std::string& text, double x, double y, double size) {
    glyph_line::draw(canvas, text, glyphFor, x, kHeight - y, size);
}
