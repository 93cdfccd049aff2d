#include "battle/Ghost.h"

#include "graphics/ImageDrawer.h"

namespace {

constexpr float kFadeStep = 0.0625f;

}  // namespace

Ghost::Ghost(float x, float y) : x(x), y(y), alpha(1.0f) {}

void Ghost::advance() {
    if (alpha > 0.0f) {
        alpha -= kFadeStep;
    }
}

void Ghost::show() const {
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageGuy, x, y, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                          alpha);
}

void Ghost::draw() {
    advance();
    show();
}
