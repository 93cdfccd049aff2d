#include "replay/ReplayViewer.h"

#include <algorithm>

#include "app/Application.h"
#include "app/Translation.h"
#include "battle/GamePlay.h"
#include "graphics/Widget.h"

namespace {

// The replay's line stands where the score does, at the other side; sizes for
// a window 768 pixels high.
constexpr float kMargin = 10.0f;
constexpr float kLineSize = 21.0f;
// The end's two lines, clear of the war's end and of the pause's lines.
constexpr float kScoreHeight = 0.36f;
constexpr float kScoreSize = 48.0f;
constexpr float kLeaveHeight = 0.3f;
constexpr float kLeaveSize = 24.0f;
// TRANSLATORS: fits 1000 at 24
const char* const kLeaveText = noTr("-esc to leave-");
// How long the end of a replay that plays by itself stays on the screen.
constexpr int kEndShownFrames = 60 * 4;

}  // namespace

const ReplayViewer::Speed ReplayViewer::kSpeeds[kSpeedCount] = {
    {1, 4, "x1/4"}, {1, 2, "x1/2"}, {1, 1, "x1"}, {2, 1, "x2"}, {4, 1, "x4"}, {8, 1, "x8"},
};

ReplayViewer::ReplayViewer(std::unique_ptr<Replay> replay, GamePlay& battle)
    : replay(std::move(replay)), battle(battle), feed(*this->replay, battle) {}

bool ReplayViewer::over() const {
    return feed.over() || !feed.failure().empty();
}

std::string ReplayViewer::speedLine() const {
    // TRANSLATORS: fits 200 at 21; the speed follows it
    return tr("replay ") + std::string(kSpeeds[speed].name);
}

void ReplayViewer::click() {
    if (anyInputLeaves) {
        battle.application->nextState();
    }
}

void ReplayViewer::keyDown(const SDL_keysym& key) {
    if (anyInputLeaves) {
        // The battle, and this viewer with it, is gone once this returns.
        battle.application->nextState();
        return;
    }
    switch (key.sym) {
        case SDLK_LEFT:
            speed = std::max(speed - 1, 0);
            framesWaited = 0;
            break;
        case SDLK_RIGHT:
            speed = std::min(speed + 1, kSpeedCount - 1);
            framesWaited = 0;
            break;
        case SDLK_p:
            battle.paused = !battle.paused;
            break;
        case SDLK_ESCAPE:
            // The battle, and this viewer with it, is gone once this returns.
            battle.application->nextState();
            break;
        default:
            break;
    }
}

void ReplayViewer::drawFrame() {
    if (anyInputLeaves && over() && ++framesOver > kEndShownFrames) {
        // Gone once this returns, as the battle is.
        battle.application->nextState();
        return;
    }
    const Speed& pace = kSpeeds[speed];
    if (battle.paused) {
        battle.drawPaused();
    } else if (pace.frames > 1 && ++framesWaited < pace.frames) {
        battle.drawStill();
    } else {
        framesWaited = 0;
        for (int unseen = 1; unseen < pace.steps; ++unseen) {
            feed.step(false);
        }
        step(true);
    }
    drawLines();
}

void ReplayViewer::step(bool drawn) {
    if (over()) {
        battle.drawStill();
        return;
    }
    feed.step(drawn);
}

void ReplayViewer::drawLines() {
    const float width = Widget::screenWidth;
    const float height = Widget::screenHeight;
    const float scale = height / Widget::kLogicalHeight;
    TextDrawer& text = battle.textDrawer;
    const std::string line = speedLine();
    const float lineSize = kLineSize * scale;
    text.drawText(line, width - kMargin - text.textWidth(line, lineSize),
                  height - kMargin - lineSize, lineSize);
    if (over()) {
        text.drawCentred(tr("score ") + std::to_string(ReplayFeed::score()), width * 0.5f,
                         height * kScoreHeight, kScoreSize * scale);
        text.drawCentred(tr(kLeaveText), width * 0.5f, height * kLeaveHeight, kLeaveSize * scale);
    }
}
