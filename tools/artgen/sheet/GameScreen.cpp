#include "sheet/GameScreen.h"

#include <algorithm>
#include <cmath>

#include "art/GlyphArt.h"
#include "art/GlyphSpacing.h"

namespace {

std::uint8_t scaled(std::uint8_t channel, double factor) {
    return static_cast<std::uint8_t>(
        std::clamp(std::lround(channel * std::clamp(factor, 0.0, 1.0)), 0L, 255L));
}

// The image with its colour and opacity multiplied, as the game's texture
// environment does.
RgbaImage tinted(const RgbaImage& image, double red, double green, double blue, double alpha) {
    RgbaImage out(image.width(), image.height());
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const Rgba p = image.at(column, row);
            out.set(
                column, row,
                Rgba{scaled(p.r, red), scaled(p.g, green), scaled(p.b, blue), scaled(p.a, alpha)});
        }
    }
    return out;
}

}  // namespace

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
    const RgbaImage& shown = plain ? image : tinted(image, red, green, blue, alpha);
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
