#include "graphics/Button.h"

#include "graphics/ButtonListener.h"

Button::Button(ImageDrawer::ImageType upImage, ImageDrawer::ImageType downImage,
               ImageDrawer::ImageType overImage)
    : upImage(upImage), downImage(downImage), overImage(overImage) {}

void Button::registerListener(ButtonListener* listener) {
    listeners.push_back(listener);
}

ImageDrawer::ImageType Button::currentImage() const {
    switch (buttonState) {
        case StateDown:
            return downImage;
        case StateOver:
            return overImage;
        default:
            return upImage;
    }
}

void Button::draw() {
    ImageDrawer::getInstance()->drawImage(currentImage(), x, y, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}

void Button::mouseMove(float /*x*/, float /*y*/) {
    // Dragging over a held button keeps it pressed.
    if (buttonState != StateDown) {
        buttonState = StateOver;
    }
}

void Button::mouseButton(bool down, float /*x*/, float /*y*/) {
    if (down) {
        buttonState = StateDown;
        return;
    }
    buttonState = StateOver;
    for (ButtonListener* listener : listeners) {
        listener->buttonClicked(this);
    }
}

void Button::mouseLeave(float /*x*/, float /*y*/) {
    buttonState = StateUp;
}
