#include "title/HowToPlayScreen.h"

#include <algorithm>

#include "app/Application.h"
#include "app/Translation.h"
#include "battle/BattleControls.h"
#include "graphics/Button.h"
#include "graphics/ImageDrawer.h"
#include "graphics/TextDrawer.h"
#include "people/AlertLook.h"
#include "title/BarButton.h"
#include "title/LiveBattle.h"
#include "title/MenuFocus.h"

namespace {

// The layout, in logical units, follows the artwork: a dark panel (x 104 to
// 920, y 80 to 604) that holds the page and, at its foot, the arrows beside
// BACK.
constexpr float kTitleY = 552.0f;
constexpr float kTitleSize = 34.0f;
constexpr float kPageNumberRight = 900.0f;
constexpr float kPageNumberY = 560.0f;
constexpr float kPageNumberSize = 24.0f;

constexpr float kArrowSize = 64.0f;
constexpr float kPreviousX = 136.0f;
constexpr float kNextX = 824.0f;
constexpr float kArrowY = 108.0f;

// The text of a page runs down from here, above the foot of the panel.
constexpr float kTextTop = 500.0f;
constexpr float kLineRise = 1.3f;
// Between the rows of a table, beyond their lines.
constexpr float kRowGap = 0.3f;
constexpr float kTextSize = 20.0f;
constexpr float kNoteSize = 18.0f;

// The goal: the live battle on the left, the words on the right.
constexpr float kLiveLeft = 136.0f;
constexpr float kLiveBottom = 236.0f;
constexpr float kLiveWidth = 360.0f;
constexpr float kGoalTextLeft = 528.0f;
constexpr float kGoalTextWidth = 372.0f;

// The controls: keys to the left of a line, what they do to its right.
constexpr float kControlsLine = 340.0f;
constexpr float kControlsGap = 14.0f;
constexpr float kControlsRight = 900.0f;
constexpr float kBurdenY = 232.0f;

// The score: what counts on the left, its points on the right.
constexpr float kScoreLeft = 196.0f;
constexpr float kScoreRight = 828.0f;

// The rings: a figure with its ring or marker, and what it means beside it.
constexpr float kFigureX = 196.0f;
constexpr float kMeaningX = 300.0f;
constexpr float kFirstFigureY = 450.0f;
constexpr float kFigureStep = 76.0f;
constexpr float kFigureMiddle = 24.0f;
// As a person draws them: the ring raised over the figure, the marker
// around it.
constexpr float kRingRaise = 16.0f;
constexpr float kMarkerInsetX = 32.0f;
constexpr float kMarkerInsetY = 16.0f;

// The pages' titles.
const char* const kPageTitles[HowToPlayScreen::kPageCount] = {
    // TRANSLATORS: a page's title: fits 560 at 34
    noTr("the goal"),
    // TRANSLATORS: a page's title: fits 560 at 34
    noTr("the controls"),
    // TRANSLATORS: a page's title: fits 560 at 34
    noTr("the score"),
    // TRANSLATORS: a page's title: fits 560 at 34
    noTr("the rings"),
};

struct Points {
    const char* what;
    const char* points;
};
// What counts for the score.
const Points kPoints[] = {
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("a life saved by a brick"), "+1"},
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("a death"), "-1"},
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("a fighter lays down arms"), "+1"},
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("somebody turns peace keeper"), "+2"},
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("a civilian takes up arms"), "-1"},
    // TRANSLATORS: what counts for the score: fits 560 at 20
    {noTr("a peace keeper gives up"), "-1"},
};

void drawPlain(ImageDrawer::ImageType image, float x, float y) {
    ImageDrawer::getInstance()->drawImage(image, x, y, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace

HowToPlayScreen::HowToPlayScreen(Application* application, TextDrawer& textDrawer)
    : TitleSubScreen(application, textDrawer), liveBattle(new LiveBattle(application)) {
    const auto button = [this](ImageDrawer::ImageType up, ImageDrawer::ImageType down,
                               ImageDrawer::ImageType over, float x, float y, float width,
                               float height) {
        Button* made = new Button(up, down, over);
        made->setPosition(x, y);
        made->setSize(width, height);
        made->registerListener(this);
        widgets.push_back(made);
        return made;
    };
    previousButton =
        button(ImageDrawer::ImageLeftButtonUp, ImageDrawer::ImageLeftButtonDown,
               ImageDrawer::ImageLeftButtonOver, kPreviousX, kArrowY, kArrowSize, kArrowSize);
    nextButton = button(ImageDrawer::ImageRightButtonUp, ImageDrawer::ImageRightButtonDown,
                        ImageDrawer::ImageRightButtonOver, kNextX, kArrowY, kArrowSize, kArrowSize);
}

HowToPlayScreen::~HowToPlayScreen() {
    delete liveBattle;
}

void HowToPlayScreen::turn(int pages) {
    page = std::clamp(page + pages, 0, kPageCount - 1);
}

void HowToPlayScreen::next() {
    if (page == kPageCount - 1) {
        finished = true;
    } else {
        turn(1);
    }
}

void HowToPlayScreen::buttonClicked(Button* button) {
    if (button == previousButton) {
        turn(-1);
    } else if (button == nextButton) {
        turn(1);
    } else {
        TitleSubScreen::buttonClicked(button);
    }
}

void HowToPlayScreen::act(MenuFocus::Action action) {
    switch (action) {
        case MenuFocus::ActionLess:
            turn(-1);
            break;
        case MenuFocus::ActionMore:
            turn(1);
            break;
        case MenuFocus::ActionPress:
            next();
            break;
        default:
            TitleSubScreen::act(action);
            break;
    }
}

void HowToPlayScreen::mouseWheel(int notches, float /*x*/, float /*y*/) {
    // Turned away from the player, the wheel goes back, as a page scrolls.
    turn(notches > 0 ? -1 : 1);
}

float HowToPlayScreen::writeParagraphs(const std::vector<std::string>& paragraphs, float left,
                                       float top, float width, float size) {
    // Broken at the logical size: the font scales alike across and up.
    float y = top;
    for (const std::string& paragraph : paragraphs) {
        for (const std::string& line : textDrawer.wrap(paragraph, width, size)) {
            write(line, left, y, size);
            y -= size * kLineRise;
        }
        y -= size * kLineRise / 2.0f;
    }
    return y;
}

void HowToPlayScreen::drawGoal() {
    liveBattle->draw(kLiveLeft, kLiveBottom, kLiveWidth);
    writeParagraphs(
        {// TRANSLATORS: wraps 372 at 20 in 3 lines
         tr("walk the centre line and lay bricks into the two walls."),
         // TRANSLATORS: wraps 372 at 20 in 3 lines
         tr("a brick stops one bullet and saves the life it was heading for."),
         // TRANSLATORS: wraps 372 at 20 in 3 lines
         tr("the war is over when no fighter is left.")},
        kGoalTextLeft, kTextTop, kGoalTextWidth, kTextSize);
}

void HowToPlayScreen::drawControls() {
    float y = kTextTop;
    const float actionLeft = kControlsLine + kControlsGap;
    for (const BattleControls::Control& control : BattleControls::all(application->padInUse)) {
        write(tr(kKeyContext, control.keys), kControlsLine - kControlsGap, y, kTextSize,
              Align::Right);
        for (const std::string& line :
             textDrawer.wrap(tr(control.action), kControlsRight - actionLeft, kTextSize)) {
            write(line, actionLeft, y, kTextSize);
            y -= kTextSize * kLineRise;
        }
        y -= kTextSize * kRowGap;
    }
    // TRANSLATORS: fits 800 at 18
    write(tr("the more bricks you carry, the slower you walk."), kMiddle, kBurdenY, kNoteSize,
          Align::Centre);
}

void HowToPlayScreen::drawScore() {
    float y = kTextTop;
    for (const Points& points : kPoints) {
        write(tr(points.what), kScoreLeft, y, kTextSize);
        write(points.points, kScoreRight, y, kTextSize, Align::Right);
        y -= kTextSize * kLineRise;
    }
    const char* const bonus =
        application->padInUse
            // TRANSLATORS: the bonus, told for a pad: wraps 632 at 18 in 4 lines
            ? tr("a war that is over, left with start within 5000 frames (about 83 s), scores "
                 "its points times the frames left: score x (5000 - frames).")
            // TRANSLATORS: the bonus, told for the keyboard: wraps 632 at 18 in 4 lines
            : tr("a war that is over, left with space within 5000 frames (about 83 s), scores "
                 "its points times the frames left: score x (5000 - frames).");
    writeParagraphs({bonus,
                     // TRANSLATORS: wraps 632 at 18 in 2 lines
                     tr("the best score of each choice of numbers is kept.")},
                    kScoreLeft, y - kTextSize, kScoreRight - kScoreLeft, kNoteSize);
}

void HowToPlayScreen::drawRings() {
    struct Row {
        const AlertLook* look;
        const char* meaning;
    };
    const Row rows[] = {
        // TRANSLATORS: what the marker means: wraps 600 at 20 in 2 lines
        {nullptr, tr("you: the one with the arrow")},
        // TRANSLATORS: what a ring means: wraps 600 at 20 in 2 lines
        {&AlertLook::kThreat, tr("in a bullet's line of fire")},
        // TRANSLATORS: what a ring means: wraps 600 at 20 in 2 lines
        {&AlertLook::kLaidDownArms, tr("a fighter laid down arms")},
        // TRANSLATORS: what a ring means: wraps 600 at 20 in 2 lines
        {&AlertLook::kPeaceKeeper, tr("somebody turned peace keeper, and lays bricks too")},
    };
    ImageDrawer* images = ImageDrawer::getInstance();
    float y = kFirstFigureY;
    for (const Row& row : rows) {
        if (row.look == nullptr) {
            drawPlain(ImageDrawer::ImagePlayerMarker, kFigureX - kMarkerInsetX, y - kMarkerInsetY);
        } else {
            images->drawImage(row.look->ring, kFigureX, y + kRingRaise, 1.0f, 1.0f, row.look->red,
                              row.look->green, row.look->blue, row.look->alpha);
        }
        drawPlain(ImageDrawer::ImageGuy, kFigureX, y);
        writeParagraphs({row.meaning}, kMeaningX, y + kFigureMiddle, kControlsRight - kMeaningX,
                        kTextSize);
        y -= kFigureStep;
    }
}

void HowToPlayScreen::draw() {
    // TRANSLATORS: fits 900 at 72
    drawPanel(tr("how to play"));
    write(tr(kPageTitles[page]), kMiddle, kTitleY, kTitleSize, Align::Centre);
    write(std::to_string(page + 1) + "/" + std::to_string(kPageCount), kPageNumberRight,
          kPageNumberY, kPageNumberSize, Align::Right);
    switch (page) {
        case PageGoal:
            drawGoal();
            break;
        case PageControls:
            drawControls();
            break;
        case PageScore:
            drawScore();
            break;
        default:
            drawRings();
            break;
    }
    drawWidgets();
    // On the last page the next press leaves: BACK shows it.
    if (page == kPageCount - 1) {
        MenuFocus::drawGlow(ImageDrawer::ImageFocusBar, kBarInkLeft, kBarInkBottom);
    }
}
