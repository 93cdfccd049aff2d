#include "title/ArrowButtons.h"

#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"

Button* ArrowButtons::add(float x, float y, float size, int item, int direction,
                          ButtonListener* listener) {
    Button* button =
        direction > 0
            ? new Button(ImageDrawer::ImageRightButtonUp, ImageDrawer::ImageRightButtonDown,
                         ImageDrawer::ImageRightButtonOver)
            : new Button(ImageDrawer::ImageLeftButtonUp, ImageDrawer::ImageLeftButtonDown,
                         ImageDrawer::ImageLeftButtonOver);
    button->setPosition(x, y);
    button->setSize(size, size);
    button->registerListener(listener);
    arrows.push_back({button, item, direction});
    return button;
}

bool ArrowButtons::clicked(const Button* button) {
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        if (arrows[i].button == button) {
            // An arrow that has been repeating has taken its steps already.
            if (!(repeat.repeated() && repeat.held() == static_cast<int>(i))) {
                step(arrows[i].item, arrows[i].direction);
            }
            return true;
        }
    }
    return false;
}

void ArrowButtons::follow(std::uint32_t now) {
    int held = ArrowRepeat::kNone;
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        if (arrows[i].button->buttonState == Button::StateDown) {
            held = static_cast<int>(i);
        }
    }
    if (held != repeat.held()) {
        if (held == ArrowRepeat::kNone) {
            repeat.release();
        } else {
            repeat.press(held, now);
        }
    }
    for (int due = repeat.stepsDue(now); due > 0; --due) {
        const Arrow& arrow = arrows[static_cast<std::size_t>(held)];
        step(arrow.item, arrow.direction);
    }
}

void ArrowButtons::release() {
    for (const Arrow& arrow : arrows) {
        if (arrow.button->buttonState == Button::StateDown) {
            arrow.button->buttonState = Button::StateUp;
        }
    }
    repeat.release();
}
