#include "graphics/LabelledButton.h"

#include <utility>

#include "app/Translation.h"
#include "graphics/TextDrawer.h"

namespace {

// The letters keep this share of the ink's width clear, half at either end.
constexpr float kSideRoom = 0.05f;

}  // namespace

LabelledButton::LabelledButton(ImageDrawer::ImageType upImage, ImageDrawer::ImageType downImage,
                               ImageDrawer::ImageType overImage, std::string label, const Ink& ink,
                               TextDrawer& text)
    : Button(upImage, downImage, overImage), label(std::move(label)), ink(ink), text(text) {}

void LabelledButton::draw() {
    Button::draw();
    // Text is placed in window pixels.
    const float toPixelsX = screenWidth / kLogicalWidth;
    const float toPixelsY = screenHeight / kLogicalHeight;
    const float room = ink.width * (1.0f - kSideRoom) * toPixelsX;
    float size = ink.letterSize * toPixelsY;
    const std::string words = tr(label.c_str());
    const float width = text.textWidth(words, size);
    if (width > room) {
        size *= room / width;
    }
    // A glyph's cell is square and its letters stand in its middle.
    const float centreX = (x + ink.left + ink.width / 2.0f) * toPixelsX;
    const float centreY = (y + ink.bottom + ink.height / 2.0f) * toPixelsY;
    text.drawCentred(words, centreX, centreY - size / 2.0f, size);
}
