#include "graphics/Letterbox.h"

#include <algorithm>

namespace {
constexpr int kAcross = 4;
constexpr int kUp = 3;
}  // namespace

Letterbox Letterbox::fit(int windowWidth, int windowHeight) {
    Letterbox box;
    if (windowWidth * kUp >= windowHeight * kAcross) {
        box.height = windowHeight;
        box.width = windowHeight * kAcross / kUp;
    } else {
        box.width = windowWidth;
        box.height = windowWidth * kUp / kAcross;
    }
    box.width = std::max(box.width, 1);
    box.height = std::max(box.height, 1);
    box.x = std::max((windowWidth - box.width) / 2, 0);
    box.y = std::max((windowHeight - box.height) / 2, 0);
    return box;
}

bool Letterbox::hasBars(int windowWidth, int windowHeight) const {
    return width < windowWidth || height < windowHeight;
}

float Letterbox::pointerX(int windowX) const {
    return static_cast<float>(windowX - x);
}

float Letterbox::pointerY(int windowY, int windowHeight) const {
    // The bar above the picture: what the picture and the bar below leave.
    const int top = windowHeight - y - height;
    return static_cast<float>(windowY - top);
}

bool Letterbox::holds(float pictureX, float pictureY) const {
    return pictureX >= 0.0f && pictureY >= 0.0f && pictureX < static_cast<float>(width) &&
           pictureY < static_cast<float>(height);
}
