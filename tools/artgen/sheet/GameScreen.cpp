#include "sheet/GameScreen.h"

#include <utility>

#include "art/GlyphArt.h"
#include "art/GlyphSpacing.h"
#include "sheet/Tint.h"

GameScreen::GameScreen(GlyphSource glyphFor)
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
    // Spaced as the game spaces them, by the glyphs' ink.
    const double scale = size / glyph_art::kCellSize;
    int pen = 0;
    for (char c : text) {
        const RgbaImage* glyph = glyphFor(c);
        if (glyph == nullptr) {
            pen += glyph_spacing::kBlankAdvance;
            continue;
        }
        const glyph_spacing::Spacing spacing = glyph_spacing::measure(*glyph);
        canvas.drawImage(*glyph, x + (pen - spacing.left) * scale, kHeight - y - size,
                         size / glyph->width(), size / glyph->height());
        pen += spacing.advance;
    }
}
