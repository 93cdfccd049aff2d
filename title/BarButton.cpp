#include "title/BarButton.h"

#include "graphics/LabelledButton.h"

namespace {

constexpr float kBarX = 256.0f;
constexpr float kBarY = 80.0f;
constexpr float kBarWidth = 512.0f;
constexpr float kBarHeight = 96.0f;
// The ink within the picture, and the lettering's size on it.
const LabelledButton::Ink kBarInk = {90.0f, 21.0f, 332.0f, 88.0f, 40.0f};

}  // namespace

LabelledButton* makeBarButton(const char* label, TextDrawer& text, ButtonListener* listener) {
    auto* bar = new LabelledButton(ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBarButtonDown,
                                   ImageDrawer::ImageBarButtonOver, label, kBarInk, text);
    bar->setPosition(kBarX, kBarY);
    bar->setSize(kBarWidth, kBarHeight);
    bar->registerListener(listener);
    return bar;
}
