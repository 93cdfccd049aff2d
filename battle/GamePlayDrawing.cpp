// The battle's picture: the scenery, everybody on the field, what flies and
// the texts, drawn back to front once a frame; and the pause.
#include "battle/GamePlay.h"

#include <GL/gl.h>

#include <sstream>

#include "app/Application.h"
#include "app/Translation.h"
#include "battle/BattleControls.h"
#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/Field.h"
#include "battle/Ghost.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "replay/ReplayViewer.h"
#include "scores/GameCounter.h"

namespace {

// Scenery, in field units.
constexpr float kCentralMoundX = 384.0f;
constexpr float kCentralMoundStretch = 6.0f;
constexpr float kLeftMoundX = 128.0f;
constexpr float kRightMoundX = 768.0f;
constexpr float kSideMoundStretch = 12.0f;
struct Place {
    float x;
    float y;
};
// The brick piles at both ends of the centre line, three-two-one.
constexpr Place kUpperPile[] = {{455, 668}, {480, 668}, {505, 668},
                                {468, 688}, {494, 688}, {480, 708}};
constexpr Place kLowerPile[] = {{455, -5}, {480, -5}, {505, -5}, {468, 15}, {494, 15}, {480, 35}};

// The player's marker is twice the figure's size; the figure's cell lies
// centred across it, this far above its bottom.
constexpr float kMarkerInsetX = Field::kSpriteSize / 2.0f;
constexpr float kMarkerInsetY = 16.0f;

// Texts, in window pixels; sizes given for a window 768 pixels high.
constexpr float kScoreMargin = 10.0f;
constexpr float kScoreSize = 21.0f;
constexpr float kWarOverX = 25.0f;
constexpr float kWarOverHeight = 0.5f;
constexpr float kWarOverSize = 64.0f;
constexpr float kQuitHeight = 0.3f;
constexpr float kQuitSize = 24.0f;
// The pause: the scene darkened, and its two lines centred above where the
// end of the war is told; sizes for a window 768 pixels high.
constexpr float kPauseShade = 0.5f;
// TRANSLATORS: fits 1000 at 64
const char* const kPausedText = noTr("paused");
constexpr float kPausedHeight = 0.66f;
constexpr float kPausedSize = 64.0f;
// TRANSLATORS: fits 1000 at 24
const char* const kGoOnText = noTr("-p to go on-");
constexpr float kGoOnHeight = 0.61f;
constexpr float kGoOnSize = 24.0f;
// The controls listed under them, in the field's lower part, clear of the
// middle where the player's person starts and mostly lays its first bricks:
// the line between keys and actions, and the rows, for a window 768 high.
constexpr float kControlsMiddle = 0.36f;
constexpr float kControlsGap = 10.0f;
constexpr float kControlsTop = 0.38f;
constexpr float kControlsStep = 30.0f;
constexpr float kControlsSize = 20.0f;
// The hint, in field units: over the upper pile while the player's person is
// in the lower half, under the lower pile while it is in the upper half, so
// that it never covers the person (whose sprite reaches 64 above its y).
constexpr float kHintTopY = 700.0f;
constexpr float kHintBottomY = 10.0f;
constexpr float kHintSize = 22.0f;
// The player's fall: two lines where the pause's go (which take their place
// while paused), clear of where the player's person starts.
// TRANSLATORS: fits 1000 at 64
const char* const kFellText = noTr("you fell");
// TRANSLATORS: fits 1000 at 24
const char* const kLeaveText = noTr("-esc to leave-");

void drawPlain(ImageDrawer* drawer, ImageDrawer::ImageType image, float x, float y,
               float scaleY = 1.0f) {
    drawer->drawImage(image, x, y, 1.0f, scaleY, 1.0f, 1.0f, 1.0f, 1.0f);
}

void drawMarker(float x, float y, float alpha) {
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImagePlayerMarker, x - kMarkerInsetX,
                                          y - kMarkerInsetY, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, alpha);
}

// Drawn as one frame of its life (stepping it), or shown as it is.
template <typename Thing>
void drawOne(Thing* thing, bool step) {
    if (step) {
        thing->draw();
    } else {
        thing->show();
    }
}

template <typename Thing>
void drawEach(const std::vector<Thing*>& things, bool step) {
    for (Thing* thing : things) {
        drawOne(thing, step);
    }
}

}  // namespace

void GamePlay::draw() {
    if (viewer != nullptr) {
        viewer->drawFrame();
        return;
    }
    if (paused) {
        drawPaused();
        return;
    }
    update();
    noticeFirstBrick();
    render();
    cleanUp();
}

void GamePlay::noticeFirstBrick() {
    // The person starts with a brick for each wall: one gone is one laid.
    if (showsHint && player != nullptr && !(player->hasLeftBrick && player->hasRightBrick)) {
        showsHint = false;
        application->hintLearned();
    }
}

void GamePlay::drawStill() {
    drawScene(false);
}

void GamePlay::drawPaused() {
    drawScene(false);
    drawPause();
}

void GamePlay::drawPause() {
    const float width = Widget::screenWidth;
    const float height = Widget::screenHeight;
    // A translucent black over the whole window, without a texture.
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, kPauseShade);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(width, 0.0f);
    glVertex2f(width, height);
    glVertex2f(0.0f, height);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    const float scale = height / Widget::kLogicalHeight;
    drawCentred(tr(kPausedText), height * kPausedHeight, kPausedSize * scale);
    drawCentred(tr(kGoOnText), height * kGoOnHeight, kGoOnSize * scale);
    // The controls beneath, keys to the left of a middle line and what they
    // do to its right.
    const float size = kControlsSize * scale;
    float y = height * kControlsTop;
    const bool pad = application->padInUse;
    for (const BattleControls::Control& control :
         viewer != nullptr ? BattleControls::watching(pad) : BattleControls::all(pad)) {
        const float keysX = Widget::screenWidth * kControlsMiddle - kControlsGap * scale;
        const char* const keys = tr(kKeyContext, control.keys);
        textDrawer.drawText(keys, keysX - textDrawer.textWidth(keys, size), y, size);
        textDrawer.drawText(tr(control.action),
                            Widget::screenWidth * kControlsMiddle + kControlsGap * scale, y, size);
        y -= kControlsStep * scale;
    }
}

void GamePlay::drawHint() {
    if (!showsHint || player == nullptr || paused) {
        return;
    }
    const float scale = Widget::screenHeight / Widget::kLogicalHeight;
    const bool playerBelow = player->person->y < Field::kTop / 2.0f;
    drawCentred(tr(BattleControls::brickHint(application->padInUse)),
                (playerBelow ? kHintTopY : kHintBottomY) * scale, kHintSize * scale);
}

void GamePlay::render() {
    drawScene(true);
}

void GamePlay::drawScene(bool step) {
    drawScenery();
    drawPeople(step);
    drawGhosts(step);
    if (!warOver) {
        for (Bullet* bullet : bullets) {
            bullet->draw();
        }
    }
    drawEach(shotBangs, step);
    drawEach(smokePffs, step);
    drawTexts();
    drawHint();
    drawFallenPlayer(step);
}

void GamePlay::drawPeople(bool step) {
    // Drawing order changes nothing but the picture: each person steps only
    // its own alert circle.
    Person* own = player != nullptr ? player->person : nullptr;
    for (Person* person : people) {
        if (person != own) {
            drawOne(person, step);
        }
    }
    if (own != nullptr) {
        drawMarker(own->x, own->y, 1.0f);
        drawOne(own, step);
    }
}

void GamePlay::drawGhosts(bool step) {
    for (Ghost* ghost : ghosts) {
        if (ghost != playerGhost) {
            drawOne(ghost, step);
        }
    }
}

void GamePlay::drawFallenPlayer(bool step) {
    if (playerGhost == nullptr) {
        return;
    }
    if (step) {
        playerGhost->advance();
    }
    drawMarker(playerGhost->x, playerGhost->y, playerGhost->alpha);
    playerGhost->show();
}

void GamePlay::advanceUnseen() {
    for (Person* person : people) {
        person->advanceUnseen();
    }
    for (Ghost* ghost : ghosts) {
        ghost->advance();
    }
    for (Effect* bang : shotBangs) {
        bang->advance();
    }
    for (Effect* puff : smokePffs) {
        puff->advance();
    }
}

void GamePlay::drawScenery() {
    ImageDrawer* drawer = ImageDrawer::getInstance();
    // Everything up to the walls is the same in every frame: drawn once and
    // kept as a copy, without the textures it was drawn from.
    backdrop.draw(
        [drawer] {
            drawPlain(drawer, ImageDrawer::ImageBackground, 0.0f, 0.0f);
            drawPlain(drawer, ImageDrawer::ImageCentralMound, kCentralMoundX, 0.0f,
                      kCentralMoundStretch);
            drawPlain(drawer, ImageDrawer::ImageSideMounds, kLeftMoundX, 0.0f, kSideMoundStretch);
            drawPlain(drawer, ImageDrawer::ImageSideMounds, kRightMoundX, 0.0f, kSideMoundStretch);
            for (const Place& brick : kUpperPile) {
                drawPlain(drawer, ImageDrawer::ImageBrick, brick.x, brick.y);
            }
            for (const Place& brick : kLowerPile) {
                drawPlain(drawer, ImageDrawer::ImageBrick, brick.x, brick.y);
            }
        },
        [drawer] {
            drawer->release({ImageDrawer::ImageBackground, ImageDrawer::ImageCentralMound,
                             ImageDrawer::ImageSideMounds});
        });
    for (float height : leftBricks) {
        drawPlain(drawer, ImageDrawer::ImageBrick, Field::kLeftWallX, height);
    }
    for (float height : rightBricks) {
        drawPlain(drawer, ImageDrawer::ImageBrick, Field::kRightWallX, height);
    }
}

std::string GamePlay::scoreText() const {
    std::ostringstream text;
    // TRANSLATORS: fits 300 at 21; the score follows it
    text << tr("score ") << GameCounter::getInstance()->getScore();
    return text.str();
}

void GamePlay::drawCentred(const std::string& text, float y, float size) {
    textDrawer.drawCentred(text, Widget::screenWidth * 0.5f, y, size);
}

void GamePlay::drawTexts() {
    const float height = Widget::screenHeight;
    const float scale = height / Widget::kLogicalHeight;
    const float scoreSize = kScoreSize * scale;
    textDrawer.drawText(scoreText(), kScoreMargin, height - kScoreMargin - scoreSize, scoreSize);
    // A watched battle is not the player's to leave: the viewer tells its own keys.
    const bool live = viewer == nullptr;
    if (warOver) {
        // TRANSLATORS: fits 990 at 64
        textDrawer.drawText(tr("the war is over"), kWarOverX, height * kWarOverHeight,
                            kWarOverSize * scale);
        if (live) {
            // TRANSLATORS: fits 1000 at 24
            drawCentred(tr("-space to quit-"), height * kQuitHeight, kQuitSize);
        }
    } else if (player == nullptr && !paused) {
        drawCentred(tr(kFellText), height * kPausedHeight, kPausedSize * scale);
        if (live) {
            drawCentred(tr(kLeaveText), height * kGoOnHeight, kGoOnSize * scale);
        }
    }
}
