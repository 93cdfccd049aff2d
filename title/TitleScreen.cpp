#include "title/TitleScreen.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"
#include "title/BattleScore.h"

namespace {

// The layout, in logical units, follows the title artwork: each number sits in
// a dark box on its label's row, flanked by its pair of arrows.
constexpr float kLeftLessX = 325.0f;
constexpr float kLeftMoreX = 432.0f;
constexpr float kRightLessX = 736.0f;
constexpr float kRightMoreX = 844.0f;
constexpr float kCiviliansArrowY = 386.0f;
constexpr float kFightersArrowY = 316.0f;
constexpr float kArrowSize = 64.0f;
// The dark panel of the artwork, split into its left and right halves: a
// number's row runs from the start of its half to its "more" arrow.
constexpr float kPanelLeftX = 106.0f;
constexpr float kPanelMiddleX = 512.0f;

constexpr float kStartX = 256.0f;
constexpr float kStartY = 80.0f;
// Only the bar's lower part reacts: the image is 128 units high.
constexpr float kStartWidth = 512.0f;
constexpr float kStartHeight = 96.0f;

constexpr float kLeftNumberX = 390.0f;
constexpr float kRightNumberX = 801.0f;
constexpr float kCiviliansNumberY = 408.0f;
constexpr float kFightersNumberY = 339.0f;
constexpr float kNumberSize = 21.0f;
constexpr float kHighScoreX = 608.0f;
constexpr float kHighScoreY = 226.0f;
constexpr float kHighScoreSize = 34.0f;

// The artwork is 1024 units high; its top and bottom 128 fall outside.
constexpr float kArtworkX = 0.0f;
constexpr float kArtworkY = -128.0f;

// The arrow tip of the pointer image lies 13 window pixels right of its left
// edge and 53 logical units above its lower edge, so that the image is placed
// with its tip on the pointer.
constexpr float kPointerTipPixels = 13.0f;
constexpr float kPointerTipLogical = 53.0f;

}  // namespace

TitleScreen::TitleScreen(Application* application, const StartNumbers& numbers)
    : numbers(numbers), application(application) {
    addArrow(kLeftLessX, kCiviliansArrowY, false, &this->numbers.leftCivilians);
    addArrow(kLeftMoreX, kCiviliansArrowY, true, &this->numbers.leftCivilians);
    addArrow(kLeftLessX, kFightersArrowY, false, &this->numbers.leftFighters);
    addArrow(kLeftMoreX, kFightersArrowY, true, &this->numbers.leftFighters);
    addArrow(kRightLessX, kCiviliansArrowY, false, &this->numbers.rightCivilians);
    addArrow(kRightMoreX, kCiviliansArrowY, true, &this->numbers.rightCivilians);
    addArrow(kRightLessX, kFightersArrowY, false, &this->numbers.rightFighters);
    addArrow(kRightMoreX, kFightersArrowY, true, &this->numbers.rightFighters);

    startButton = new Button(ImageDrawer::ImageStartButtonUp, ImageDrawer::ImageStartButtonDown,
                             ImageDrawer::ImageStartButtonOver);
    startButton->setPosition(kStartX, kStartY);
    startButton->setSize(kStartWidth, kStartHeight);
    startButton->registerListener(this);
    widgets.push_back(startButton);

    // Saved at once: the game may yet end in a way that destroys nothing
    // (a closed terminal, a lost display), and the record must not go with it.
    if (fileLastBattle(highScores, this->numbers)) {
        highScores.save();
    }
    refreshHighScore();
}

TitleScreen::~TitleScreen() {
    for (Widget* widget : widgets) {
        delete widget;
    }
    // The battle has no use for the artwork or the start button.
    ImageDrawer* images = ImageDrawer::getInstance();
    for (ImageDrawer::ImageType image :
         {ImageDrawer::ImageTitle, ImageDrawer::ImageStartButtonUp,
          ImageDrawer::ImageStartButtonDown, ImageDrawer::ImageStartButtonOver}) {
        images->release(image);
    }
}

void TitleScreen::addArrow(float x, float y, bool more, int* number) {
    Button* button =
        more ? new Button(ImageDrawer::ImageRightButtonUp, ImageDrawer::ImageRightButtonDown,
                          ImageDrawer::ImageRightButtonOver)
             : new Button(ImageDrawer::ImageLeftButtonUp, ImageDrawer::ImageLeftButtonDown,
                          ImageDrawer::ImageLeftButtonOver);
    button->setPosition(x, y);
    button->setSize(kArrowSize, kArrowSize);
    button->registerListener(this);
    widgets.push_back(button);
    arrows.push_back({button, number, more ? 1 : -1});
}

void TitleScreen::refreshHighScore() {
    highScore = highScores.getScore(numbers);
}

void TitleScreen::stepNumber(int* number, int step) {
    // Only the direction of the step is clamped, so a number given out of
    // range comes back into it one step at a time.
    *number =
        step > 0 ? std::min(*number + 1, kMaximumNumber) : std::max(*number - 1, kMinimumNumber);
    refreshHighScore();
}

void TitleScreen::buttonClicked(Button* button) {
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        if (arrows[i].button == button) {
            // An arrow that has been repeating has taken its steps already.
            if (!(repeat.repeated() && repeat.held() == static_cast<int>(i))) {
                stepNumber(arrows[i].number, arrows[i].step);
            }
            return;
        }
    }
    if (button == startButton) {
        startRequested = true;
    }
}

void TitleScreen::keyDown(const SDL_keysym& key) {
    if (key.sym == SDLK_ESCAPE) {
        application->quit();
    }
}

void TitleScreen::mouseMove(float x, float y) {
    cursorX = (x - kPointerTipPixels) * Widget::kLogicalWidth / Widget::screenWidth;
    cursorY = Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight -
              kPointerTipLogical;
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseButton(bool down, float x, float y) {
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(down, x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseWheel(int notches, float x, float y) {
    const float logicalX = x * Widget::kLogicalWidth / Widget::screenWidth;
    const float logicalY =
        Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight;
    for (const Arrow& arrow : arrows) {
        const Widget& more = *arrow.button;
        if (arrow.step < 0 || logicalY < more.y || logicalY >= more.y + kArrowSize) {
            continue;
        }
        const float rowLeft = more.x < kPanelMiddleX ? kPanelLeftX : kPanelMiddleX;
        if (logicalX >= rowLeft && logicalX < more.x + kArrowSize) {
            for (int notch = 0; notch < std::abs(notches); ++notch) {
                stepNumber(arrow.number, notches);
            }
            return;
        }
    }
}

void TitleScreen::repeatHeldArrow(std::uint32_t now) {
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
        stepNumber(arrow.number, arrow.step);
    }
}

void TitleScreen::draw() {
    repeatHeldArrow(SDL_GetTicks());
    ImageDrawer* images = ImageDrawer::getInstance();
    images->drawImage(ImageDrawer::ImageTitle, kArtworkX, kArtworkY, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                      1.0f);
    for (Widget* widget : widgets) {
        widget->draw();
    }

    // Text is placed in window pixels.
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    const float numberSize = kNumberSize * toPixelsY;
    textDrawer.drawText(std::to_string(numbers.leftCivilians), kLeftNumberX * toPixelsX,
                        kCiviliansNumberY * toPixelsY, numberSize);
    textDrawer.drawText(std::to_string(numbers.leftFighters), kLeftNumberX * toPixelsX,
                        kFightersNumberY * toPixelsY, numberSize);
    textDrawer.drawText(std::to_string(numbers.rightCivilians), kRightNumberX * toPixelsX,
                        kCiviliansNumberY * toPixelsY, numberSize);
    textDrawer.drawText(std::to_string(numbers.rightFighters), kRightNumberX * toPixelsX,
                        kFightersNumberY * toPixelsY, numberSize);
    textDrawer.drawText(std::to_string(highScore), kHighScoreX * toPixelsX, kHighScoreY * toPixelsY,
                        kHighScoreSize * toPixelsY);

    images->drawImage(ImageDrawer::ImageMouse, cursorX, cursorY, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                      1.0f);

    if (startRequested) {
        // The frame that showed the click is complete: the battle takes over,
        // and this object is gone once nextState returns.
        application->setNumbers(numbers);
        application->nextState();
    }
}
