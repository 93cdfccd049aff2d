#include "title/SettingsScreen.h"

#include <cstdint>
#include <string>

#include "app/Application.h"
#include "audio/Sounds.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/TextDrawer.h"
#include "graphics/Widget.h"

namespace {

// The layout, in logical units, follows the settings artwork: a label on the
// left of each line, its value in a dark box between two arrows.
constexpr float kLessX = 510.0f;
constexpr float kMoreX = 655.0f;
constexpr float kArrowSize = 64.0f;
constexpr float kLineY[] = {376.0f, 306.0f, 236.0f};
// The ink of a line's arrows and box, for the glow around it.
constexpr float kLineInkLeft = 517.0f;
constexpr float kLineInkBottom = 9.0f;
// The value's box, and where its text stands above the arrows' lower edge.
constexpr float kValueCentreX = 614.0f;
constexpr float kValueRise = 22.0f;
constexpr float kValueSize = 21.0f;

// BACK takes the start bar's place, and reacts like it below its top.
constexpr float kBackX = 256.0f;
constexpr float kBackY = 80.0f;
constexpr float kBackWidth = 512.0f;
constexpr float kBackHeight = 96.0f;
constexpr float kBackInkLeft = 346.0f;
constexpr float kBackInkBottom = 101.0f;

// Between the last line and BACK.
const char* const kRunOnlyText = "changes last for this run only";
constexpr float kRunOnlyCentreX = 512.0f;
constexpr float kRunOnlyY = 214.0f;
constexpr float kRunOnlySize = 15.0f;

constexpr float kArtworkX = 0.0f;
constexpr float kArtworkY = -128.0f;

// The effect played when the effects' volume changes, from the middle.
constexpr float kSampleEffectX = Sounds::kFieldWidth / 2.0f;

}  // namespace

SettingsScreen::SettingsScreen(Application* application, TextDrawer& textDrawer)
    : application(application),
      textDrawer(textDrawer),
      arrows([this](int line, int step) { stepLine(line, step); }),
      focus(kLineCount, LineEffects, [this](int line, int step) { stepLine(line, step); }) {
    for (int line = LineEffects; line <= LineFullScreen; ++line) {
        for (const int direction : {-1, 1}) {
            widgets.push_back(arrows.add(direction > 0 ? kMoreX : kLessX, kLineY[line], kArrowSize,
                                         line, direction, this));
        }
    }
    backButton = new Button(ImageDrawer::ImageBackButtonUp, ImageDrawer::ImageBackButtonDown,
                            ImageDrawer::ImageBackButtonOver);
    backButton->setPosition(kBackX, kBackY);
    backButton->setSize(kBackWidth, kBackHeight);
    backButton->registerListener(this);
    widgets.push_back(backButton);
}

SettingsScreen::~SettingsScreen() {
    for (Widget* widget : widgets) {
        delete widget;
    }
    // Seldom opened: its pictures need not outlive it.
    ImageDrawer::getInstance()->release({ImageDrawer::ImageSettings, ImageDrawer::ImageBackButtonUp,
                                         ImageDrawer::ImageBackButtonDown,
                                         ImageDrawer::ImageBackButtonOver,
                                         ImageDrawer::ImageFocusSetting});
}

void SettingsScreen::stepLine(int line, int step) {
    switch (line) {
        case LineEffects:
            // The application keeps a volume within its range.
            application->setEffectsVolume(application->effectsVolume + step);
            Sounds::getInstance()->playSound(Sounds::SoundBrickPuff, kSampleEffectX);
            break;
        case LineMusic:
            application->setMusicVolume(application->musicVolume + step);
            break;
        case LineFullScreen:
            if (application->fullScreen != (step > 0)) {
                application->toggleFullScreen();
            }
            break;
        default:
            break;
    }
}

void SettingsScreen::buttonClicked(Button* button) {
    if (button == backButton) {
        finished = true;
    } else {
        arrows.clicked(button);
    }
}

void SettingsScreen::act(MenuFocus::Action action) {
    if (focus.take(action, SDL_GetTicks())) {
        return;
    }
    if (action == MenuFocus::ActionLeave ||
        (action == MenuFocus::ActionPress && focus.current() == LineBack)) {
        finished = true;
    } else if (action == MenuFocus::ActionPress && focus.current() == LineFullScreen) {
        application->toggleFullScreen();
    }
}

void SettingsScreen::keyDown(const SDL_keysym& key) {
    act(MenuFocus::actionOfKey(key));
}

void SettingsScreen::keyUp(const SDL_keysym& key) {
    focus.keyUp(key);
}

void SettingsScreen::padButton(PadButton button, bool down) {
    if (down) {
        act(MenuFocus::actionOfPad(button));
    }
}

void SettingsScreen::mouseMove(float x, float y) {
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(x, Widget::screenHeight - y);
    }
}

void SettingsScreen::mouseButton(bool down, float x, float y) {
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(down, x, Widget::screenHeight - y);
    }
}

void SettingsScreen::focusLost() {
    focus.release();
    arrows.release();
}

void SettingsScreen::drawValues() {
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    const std::string values[] = {std::to_string(application->effectsVolume),
                                  std::to_string(application->musicVolume),
                                  application->fullScreen ? "on" : "off"};
    const float size = kValueSize * toPixelsY;
    for (int line = LineEffects; line <= LineFullScreen; ++line) {
        textDrawer.drawCentred(values[line], kValueCentreX * toPixelsX,
                               (kLineY[line] + kValueRise) * toPixelsY, size);
    }
    if (!application->settingsRemembered) {
        textDrawer.drawCentred(kRunOnlyText, kRunOnlyCentreX * toPixelsX, kRunOnlyY * toPixelsY,
                               kRunOnlySize * toPixelsY);
    }
}

void SettingsScreen::draw() {
    const std::uint32_t now = SDL_GetTicks();
    arrows.follow(now);
    focus.follow(now);
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageSettings, kArtworkX, kArtworkY, 1.0f,
                                          1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    for (Widget* widget : widgets) {
        widget->draw();
    }
    if (focus.current() == LineBack) {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusBar, kBackInkLeft, kBackInkBottom);
    } else {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusSetting, kLineInkLeft,
                            kLineY[focus.current()] + kLineInkBottom);
    }
    drawValues();
}
