#include "title/TitleScreen.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "app/Translation.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/LabelledButton.h"
#include "graphics/Widget.h"
#include "replay/DemoReplay.h"
#include "replay/Replay.h"
#include "replay/ReplayShelf.h"
#include "scores/FilePath.h"
#include "title/BarButton.h"
#include "title/BattleScore.h"
#include "title/HowToPlayScreen.h"
#include "title/ReplayListScreen.h"
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

// SETTINGS, HOW TO PLAY and REPLAYS sit side by side on the grass below the
// panel, centred, well clear of the start bar; each image is 192 x 64 with
// the button's ink inside it, and the game letters the label on the ink.
constexpr float kSettingsX = 208.0f;
constexpr float kHowToPlayX = 416.0f;
constexpr float kReplaysX = 624.0f;
constexpr float kSmallButtonY = 10.0f;
constexpr float kSmallButtonWidth = 192.0f;
constexpr float kSmallButtonHeight = 64.0f;
const LabelledButton::Ink kSmallButtonInk = {4.0f, 8.0f, 184.0f, 48.0f, 20.0f};

// Where the ink of what the focus can rest on lies, for the glow around it:
// an arrow's triangle starts 7 units into its frame and a row's ink stands
// 9 units above the arrows' lower edge.
constexpr float kArrowInkLeft = 7.0f;
constexpr float kArrowInkBottom = 9.0f;

// Each number is centred in its slot, where a two-digit number used to fill
// two cells of 21 from x 390 (left) or 801 (right).
constexpr float kLeftNumberCentreX = 411.0f;
constexpr float kRightNumberCentreX = 822.0f;
constexpr float kCiviliansNumberY = 408.0f;
constexpr float kFightersNumberY = 339.0f;
constexpr float kNumberSize = 21.0f;
constexpr float kHighScoreX = 608.0f;
constexpr float kHighScoreY = 226.0f;
// The labels, lettered on the panel: each row's label ends a little before
// its number's first arrow, the high score's before the score.
constexpr float kLabelGap = 8.0f;
constexpr float kLabelSize = 18.0f;
constexpr float kHighScoreLabelSize = 30.0f;

constexpr float kHighScoreSize = 34.0f;

// Alone this long, the title plays a battle by itself.
constexpr std::uint32_t kAloneBeforePlayingMs = 30000;

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

TitleScreen::TitleScreen(Application* application, const StartNumbers& numbers, Filing filing,
                         int firstItem)
    : numbers(numbers),
      application(application),
      arrows([this](int item, int step) { stepNumber(item, step); }),
      focus(kItemCount, firstItem, [this](int item, int step) { stepNumber(item, step); }) {
    // The buttons keep the order they always had: the left side's arrows,
    // civilians before fighters, then the right side's.
    for (const int item :
         {ItemLeftCivilians, ItemLeftFighters, ItemRightCivilians, ItemRightFighters}) {
        const Row& row = kRows[item];
        widgets.push_back(arrows.add(row.lessX, row.y, kArrowSize, item, -1, this));
        widgets.push_back(arrows.add(row.moreX, row.y, kArrowSize, item, 1, this));
    }

    // TRANSLATORS: the bar's label: fits 315 at 40
    startButton = makeBarButton(noTr("enter war"), textDrawer, this);
    widgets.push_back(startButton);

    const auto smallButton = [this](const char* label, float x) {
        Button* button = new LabelledButton(
            ImageDrawer::ImageSmallButtonUp, ImageDrawer::ImageSmallButtonDown,
            ImageDrawer::ImageSmallButtonOver, label, kSmallButtonInk, textDrawer);
        button->setPosition(x, kSmallButtonY);
        button->setSize(kSmallButtonWidth, kSmallButtonHeight);
        button->registerListener(this);
        widgets.push_back(button);
        return button;
    };
    // TRANSLATORS: a small button's label: fits 174 at 20
    settingsButton = smallButton(noTr("settings"), kSettingsX);
    // TRANSLATORS: a small button's label: fits 174 at 20
    howToPlayButton = smallButton(noTr("how to play"), kHowToPlayX);
    // TRANSLATORS: a small button's label: fits 174 at 20
    replaysButton = smallButton(noTr("replays"), kReplaysX);
    lastInput = SDL_GetTicks();

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
    delete subScreen;
    for (Widget* widget : widgets) {
        delete widget;
    }
    // The battle has no use for the artwork, the buttons or the glows.
    ImageDrawer::getInstance()->release(
        {ImageDrawer::ImageTitle, ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBarButtonDown,
         ImageDrawer::ImageBarButtonOver, ImageDrawer::ImageSmallButtonUp,
         ImageDrawer::ImageSmallButtonDown, ImageDrawer::ImageSmallButtonOver,
         ImageDrawer::ImageFocusNumber, ImageDrawer::ImageFocusBar, ImageDrawer::ImageFocusButton});
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
        openFor(ItemSettings);
    } else if (button == howToPlayButton) {
        openFor(ItemHowToPlay);
    } else if (button == replaysButton) {
        openFor(ItemReplays);
    }
}

void TitleScreen::openFor(int item) {
    switch (item) {
        case ItemSettings:
            open(new SettingsScreen(application, textDrawer));
            break;
        case ItemHowToPlay:
            open(new HowToPlayScreen(application, textDrawer));
            break;
        case ItemReplays:
            open(new ReplayListScreen(application, textDrawer));
            break;
        default:
            break;
    }
}

void TitleScreen::noticeInput() {
    lastInput = SDL_GetTicks();
}

bool TitleScreen::watchWhenDue() {
    // The numbers come back with the title after watching.
    application->setNumbers(numbers);
    if (subScreen != nullptr) {
        if (subScreen->watchRequested.empty()) {
            return false;
        }
        const std::string path = subScreen->watchRequested;
        subScreen->watchRequested.clear();
        return application->watch(path);
    }
    if (SDL_GetTicks() - lastInput < kAloneBeforePlayingMs) {
        return false;
    }
    // Whatever comes of it, not tried again at once.
    lastInput = SDL_GetTicks();
    const std::string best = getFilePath() + "/Replays/" + ReplayShelf::bestName(numbers);
    struct stat info;
    if (stat(best.c_str(), &info) == 0 && application->watch(best, Application::BackOnAnyInput)) {
        return true;
    }
    std::unique_ptr<Replay> demo = DemoReplay::load();
    if (demo == nullptr) {
        return false;
    }
    application->watch(std::move(demo), Application::BackOnAnyInput);
    return true;
}

void TitleScreen::open(TitleSubScreen* screen) {
    stopRepeats();
    delete subScreen;
    subScreen = screen;
}

void TitleScreen::stopRepeats() {
    focus.release();
    arrows.release();
}

void TitleScreen::focusLost() {
    if (subScreen != nullptr) {
        subScreen->focusLost();
    } else {
        stopRepeats();
    }
}

void TitleScreen::closeFinished() {
    if (subScreen != nullptr && subScreen->finished) {
        delete subScreen;
        subScreen = nullptr;
        application->rememberSettings();
    }
}

void TitleScreen::keyDown(const SDL_keysym& key) {
    noticeInput();
    if (subScreen != nullptr) {
        subScreen->keyDown(key);
        closeFinished();
        return;
    }
    act(MenuFocus::actionOfKey(key));
}

void TitleScreen::keyUp(const SDL_keysym& key) {
    noticeInput();
    if (subScreen != nullptr) {
        subScreen->keyUp(key);
        return;
    }
    focus.keyUp(key);
}

void TitleScreen::padButton(PadButton button, bool down) {
    noticeInput();
    if (subScreen != nullptr) {
        subScreen->padButton(button, down);
        closeFinished();
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
    const int item = focus.current();
    if (item == ItemSettings || item == ItemHowToPlay || item == ItemReplays) {
        openFor(item);
    } else {
        // On a number as on ENTER WAR: the numbers are chosen, to war.
        startRequested = true;
    }
}

void TitleScreen::mouseMove(float x, float y) {
    noticeInput();
    cursorX = (x - kPointerTipPixels) * Widget::kLogicalWidth / Widget::screenWidth;
    cursorY = Widget::kLogicalHeight - y * Widget::kLogicalHeight / Widget::screenHeight -
              kPointerTipLogical;
    if (subScreen != nullptr) {
        subScreen->mouseMove(x, y);
        return;
    }
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseButton(bool down, float x, float y) {
    noticeInput();
    if (subScreen != nullptr) {
        subScreen->mouseButton(down, x, y);
        closeFinished();
        return;
    }
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(down, x, Widget::screenHeight - y);
    }
}

void TitleScreen::mouseWheel(int notches, float x, float y) {
    noticeInput();
    if (subScreen != nullptr) {
        subScreen->mouseWheel(notches, x, y);
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
        MenuFocus::drawGlow(ImageDrawer::ImageFocusBar, kBarInkLeft, kBarInkBottom);
    } else if (item == ItemSettings || item == ItemHowToPlay || item == ItemReplays) {
        const Widget& button = item == ItemSettings    ? *settingsButton
                               : item == ItemHowToPlay ? *howToPlayButton
                                                       : *replaysButton;
        MenuFocus::drawGlow(ImageDrawer::ImageFocusButton, button.x + kSmallButtonInk.left,
                            button.y + kSmallButtonInk.bottom);
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

void TitleScreen::drawLabels() {
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    const auto rightAligned = [&](const char* label, float right, float y, float size) {
        const float pixels = size * toPixelsY;
        textDrawer.drawText(label, right * toPixelsX - textDrawer.textWidth(label, pixels),
                            y * toPixelsY, pixels);
    };
    const char* const labels[] = {
        // TRANSLATORS: a number's label on the title: fits 205 at 18
        tr("left civilians:"),
        // TRANSLATORS: a number's label on the title: fits 224 at 18
        tr("right civilians:"),
        // TRANSLATORS: a number's label on the title: fits 205 at 18
        tr("left fighters:"),
        // TRANSLATORS: a number's label on the title: fits 224 at 18
        tr("right fighters:"),
    };
    const float rowsY[] = {kCiviliansNumberY, kCiviliansNumberY, kFightersNumberY,
                           kFightersNumberY};
    for (int item = ItemLeftCivilians; item <= ItemRightFighters; ++item) {
        rightAligned(labels[item], kRows[item].lessX - kLabelGap, rowsY[item], kLabelSize);
    }
    // TRANSLATORS: the label before the high score: fits 440 at 30
    rightAligned(tr("high score:"), kHighScoreX - 2.0f * kLabelGap, kHighScoreY,
                 kHighScoreLabelSize);
}

void TitleScreen::draw() {
    ImageDrawer* images = ImageDrawer::getInstance();
    if (subScreen != nullptr) {
        subScreen->draw();
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
        drawLabels();
        drawNumbers();
    }
    images->drawImage(ImageDrawer::ImageMouse, cursorX, cursorY, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                      1.0f);

    // A replay, like the battle, takes over once the frame is complete, and
    // this object is gone once it has.
    if (watchWhenDue()) {
        return;
    }
    if (startRequested) {
        // The frame that showed the start is complete: the battle takes over,
        // and this object is gone once nextState returns.
        application->setNumbers(numbers);
        application->nextState();
    }
}
