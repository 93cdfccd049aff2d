#include "title/TitleScreen.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"
#include "replay/Replay.h"
#include "replay/ReplayShelf.h"
#include "title/BattleScore.h"
#include "title/SettingsScreen.h"

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

// SETTINGS sits on the grass below the panel, centred, well clear of the
// start bar; its image is 256 x 64 with the button's ink inside it.
constexpr float kSettingsX = 384.0f;
constexpr float kSettingsY = 10.0f;
constexpr float kSettingsWidth = 256.0f;
constexpr float kSettingsHeight = 64.0f;

// Where the ink of what the focus can rest on lies, for the glow around it:
// an arrow's triangle starts 7 units into its frame and a row's ink stands
// 9 units above the arrows' lower edge.
constexpr float kArrowInkLeft = 7.0f;
constexpr float kArrowInkBottom = 9.0f;
constexpr float kStartInkLeft = 346.0f;
constexpr float kStartInkBottom = 101.0f;
constexpr float kSettingsInkLeft = 432.0f;
constexpr float kSettingsInkBottom = 20.0f;

// Each number is centred in its slot, where a two-digit number used to fill
// two cells of 21 from x 390 (left) or 801 (right).
constexpr float kLeftNumberCentreX = 411.0f;
constexpr float kRightNumberCentreX = 822.0f;
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

// Where each number's arrows stand, by item.
struct Row {
    float lessX;
    float moreX;
    float y;
};
const Row kRows[] = {
    {kLeftLessX, kLeftMoreX, kCiviliansArrowY},
    {kRightLessX, kRightMoreX, kCiviliansArrowY},
    {kLeftLessX, kLeftMoreX, kFightersArrowY},
    {kRightLessX, kRightMoreX, kFightersArrowY},
};

}  // namespace

TitleScreen::TitleScreen(Application* application, const StartNumbers& numbers, Filing filing)
    : numbers(numbers),
      application(application),
      arrows([this](int item, int step) { stepNumber(item, step); }),
      focus(kItemCount, ItemEnterWar, [this](int item, int step) { stepNumber(item, step); }) {
    // The buttons keep the order they always had: the left side's arrows,
    // civilians before fighters, then the right side's.
    for (const int item :
         {ItemLeftCivilians, ItemLeftFighters, ItemRightCivilians, ItemRightFighters}) {
        const Row& row = kRows[item];
        widgets.push_back(arrows.add(row.lessX, row.y, kArrowSize, item, -1, this));
        widgets.push_back(arrows.add(row.moreX, row.y, kArrowSize, item, 1, this));
    }

    startButton = new Button(ImageDrawer::ImageStartButtonUp, ImageDrawer::ImageStartButtonDown,
                             ImageDrawer::ImageStartButtonOver);
    startButton->setPosition(kStartX, kStartY);
    startButton->setSize(kStartWidth, kStartHeight);
    startButton->registerListener(this);
    widgets.push_back(startButton);

    settingsButton =
        new Button(ImageDrawer::ImageSettingsButtonUp, ImageDrawer::ImageSettingsButtonDown,
                   ImageDrawer::ImageSettingsButtonOver);
    settingsButton->setPosition(kSettingsX, kSettingsY);
    settingsButton->setSize(kSettingsWidth, kSettingsHeight);
    settingsButton->registerListener(this);
    widgets.push_back(settingsButton);

    if (filing == FileLastBattle) {
        fileLastBattleAndReplay();
    }
    refreshHighScore();
}

void TitleScreen::fileLastBattleAndReplay() {
    const std::unique_ptr<Replay> recording = std::move(application->lastBattle);
    int score = 0;
    if (!fileLastBattle(highScores, numbers, &score)) {
        return;
    }
    // Saved at once: the game may yet end in a way that destroys nothing
    // (a closed terminal, a lost display), and the record must not go with it.
    if (recording == nullptr) {
        highScores.save();
        return;
    }
    recording->score = score;
    ReplayShelf::file(*recording, highScores);
}

TitleScreen::~TitleScreen() {
    delete settings;
    for (Widget* widget : widgets) {
        delete widget;
    }
    // The battle has no use for the artwork, the buttons or the glows.
    ImageDrawer::getInstance()->release(
        {ImageDrawer::ImageTitle, ImageDrawer::ImageStartButtonUp,
         ImageDrawer::ImageStartButtonDown, ImageDrawer::ImageStartButtonOver,
         ImageDrawer::ImageSettingsButtonUp, ImageDrawer::ImageSettingsButtonDown,
         ImageDrawer::ImageSettingsButtonOver, ImageDrawer::ImageFocusNumber,
         ImageDrawer::ImageFocusBar, ImageDrawer::ImageFocusButton});
}

int* TitleScreen::numberOf(int item) {
    switch (item) {
        case ItemLeftCivilians:
            return &numbers.leftCivilians;
        case ItemRightCivilians:
            return &numbers.rightCivilians;
        case ItemLeftFighters:
            return &numbers.leftFighters;
        case ItemRightFighters:
            return &numbers.rightFighters;
        default:
            return nullptr;
    }
}

void TitleScreen::refreshHighScore() {
    highScore = highScores.getScore(numbers);
}

void TitleScreen::stepNumber(int item, int step) {
    int* number = numberOf(item);
    if (number == nullptr) {
        return;
    }
    // Only the direction of the step is clamped, so a number given out of
    // range comes back into it one step at a time.
    *number =
        step > 0 ? std::min(*number + 1, kMaximumNumber) : std::max(*number - 1, kMinimumNumber);
    refreshHighScore();
}

void TitleScreen::buttonClicked(Button* button) {
    if (arrows.clicked(button)) {
        return;
    }
    if (button == startButton) {
        startRequested = true;
    } else if (button == settingsButton) {
        openSettings();
    }
}

void TitleScreen::openSettings() {
    if (settings == nullptr) {
        stopRepeats();
        settings = new SettingsScreen(application, textDrawer);
    }
}

void TitleScreen::stopRepeats() {
    focus.release();
    arrows.release();
}

void TitleScreen::focusLost() {
    if (settings != nullptr) {
        settings->focusLost();
    } else {
        stopRepeats();
    }
}

void TitleScreen::closeFinishedSettings() {
    if (settings != nullptr && settings->finished) {
        delete settings;
        settings = nullptr;
        application->rememberSettings();
    }
}

void TitleScreen::keyDown(const SDL_keysym& key) {
    if (settings != nullptr) {
        settings->keyDown(key);
        closeFinishedSettings();
        return;
    }
    act(MenuFocus::actionOfKey(key));
}

void TitleScreen::keyUp(const SDL_keysym& key) {
    if (settings != nullptr) {
        settings->keyUp(key);
        return;
    }
    focus.keyUp(key);
}

void TitleScreen::padButton(PadButton button, bool down) {
    if (settings != nullptr) {
        settings->padButton(button, down);
        closeFinishedSettings();
        return;
    }
    const MenuFocus::Action action = MenuFocus::actionOfPad(button);
    // A pad's B or Back could be pressed by mistake: only Escape quits.
    if (down && action == MenuFocus::ActionPress) {
        act(action);
    }
}

void TitleScreen::act(MenuFocus::Action action) {
    if (focus.take(action, SDL_GetTicks())) {
        return;
    }
    if (action == MenuFocus::ActionPress) {
        pressFocused();
    } else if (action == MenuFocus::ActionLeave) {
        application->quit();
    }
}

void TitleScreen::pressFocused() {
    if (focus.current() == ItemSettings) {
        openSettings();
    } else {
        // On a number as on ENTER WAR: the numbers are chosen, to war.
        startRequested = true;
    }
}

void TitleScreen::mouseMove(float x, float y) {
    cursorX = (x - kPointerTipPixels) * Widget::kLogicalWidth / Widget::screenWidth;
    cursorY = Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight -
              kPointerTipLogical;
    if (settings != nullptr) {
        settings->mouseMove(x, y);
        return;
    }
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseButton(bool down, float x, float y) {
    if (settings != nullptr) {
        settings->mouseButton(down, x, y);
        closeFinishedSettings();
        return;
    }
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(down, x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseWheel(int notches, float x, float y) {
    if (settings != nullptr) {
        return;
    }
    const float logicalX = x * Widget::kLogicalWidth / Widget::screenWidth;
    const float logicalY =
        Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight;
    for (const ArrowButtons::Arrow& arrow : arrows.arrows) {
        const Widget& more = *arrow.button;
        if (arrow.direction < 0 || logicalY < more.y || logicalY >= more.y + kArrowSize) {
            continue;
        }
        const float rowLeft = more.x < kPanelMiddleX ? kPanelLeftX : kPanelMiddleX;
        if (logicalX >= rowLeft && logicalX < more.x + kArrowSize) {
            for (int notch = 0; notch < std::abs(notches); ++notch) {
                stepNumber(arrow.item, notches);
            }
            return;
        }
    }
}

void TitleScreen::drawFocus() {
    const int item = focus.current();
    if (item == ItemEnterWar) {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusBar, kStartInkLeft, kStartInkBottom);
    } else if (item == ItemSettings) {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusButton, kSettingsInkLeft, kSettingsInkBottom);
    } else {
        const Row& row = kRows[item];
        MenuFocus::drawGlow(ImageDrawer::ImageFocusNumber, row.lessX + kArrowInkLeft,
                            row.y + kArrowInkBottom);
    }
}

void TitleScreen::drawNumbers() {
    // Text is placed in window pixels.
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    const float numberSize = kNumberSize * toPixelsY;
    const auto centred = [this, numberSize](int number, float centreX, float y) {
        textDrawer.drawCentred(std::to_string(number), centreX, y, numberSize);
    };
    centred(numbers.leftCivilians, kLeftNumberCentreX * toPixelsX, kCiviliansNumberY * toPixelsY);
    centred(numbers.leftFighters, kLeftNumberCentreX * toPixelsX, kFightersNumberY * toPixelsY);
    centred(numbers.rightCivilians, kRightNumberCentreX * toPixelsX, kCiviliansNumberY * toPixelsY);
    centred(numbers.rightFighters, kRightNumberCentreX * toPixelsX, kFightersNumberY * toPixelsY);
    textDrawer.drawText(std::to_string(highScore), kHighScoreX * toPixelsX, kHighScoreY * toPixelsY,
                        kHighScoreSize * toPixelsY);
}

void TitleScreen::draw() {
    ImageDrawer* images = ImageDrawer::getInstance();
    if (settings != nullptr) {
        settings->draw();
    } else {
        const std::uint32_t now = SDL_GetTicks();
        arrows.follow(now);
        focus.follow(now);
        images->drawImage(ImageDrawer::ImageTitle, kArtworkX, kArtworkY, 1.0f, 1.0f, 1.0f, 1.0f,
                          1.0f, 1.0f);
        for (Widget* widget : widgets) {
            widget->draw();
        }
        drawFocus();
        drawNumbers();
    }
    images->drawImage(ImageDrawer::ImageMouse, cursorX, cursorY, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                      1.0f);

    if (startRequested) {
        // The frame that showed the start is complete: the battle takes over,
        // and this object is gone once nextState returns.
        application->setNumbers(numbers);
        application->nextState();
    }
}
