#include "title/LiveBattle.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/Application.h"
#include "audio/Sounds.h"
#include "battle/GamePlay.h"
#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"

namespace {

// A handful of people a side, and one fighter each: few enough to follow.
constexpr StartNumbers kNumbers = {4, 1, 4, 1};
constexpr std::uint32_t kFirstSeed = 7;
// Long enough to see a few bricks laid, short enough to stay lively.
constexpr int kLongestBattle = 60 * 40;
// How long an ended battle stays in view before the next.
constexpr int kEndShown = 60 * 2;
// Sounds at a quarter of the player's effects volume: the page is read more
// than listened to.
constexpr float kQuieter = 0.25f;

constexpr int kViewportValues = 4;
constexpr int kScissorValues = 4;

}  // namespace

LiveBattle::LiveBattle(Application* application) : application(application), seed(kFirstSeed) {
    Sounds::getInstance()->setGain(Application::volumeGain(application->effectsVolume) * kQuieter);
    begin();
}

LiveBattle::~LiveBattle() {
    delete battle;
    application->setEffectsVolume(application->effectsVolume);
}

void LiveBattle::begin() {
    delete battle;
    battle = new GamePlay(application, kNumbers, seed++);
    player = ScriptedPlayer();
    frames = 0;
    framesEnding = 0;
}

void LiveBattle::draw(float left, float bottom, float width) {
    if (battle->warOver || battle->player == nullptr) {
        ++framesEnding;
    }
    if (framesEnding > kEndShown || frames > kLongestBattle) {
        begin();
    }
    ++frames;
    player.play(*battle);

    // The battle draws as if the box were the whole picture.
    GLint viewport[kViewportValues] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLint scissor[kScissorValues] = {};
    glGetIntegerv(GL_SCISSOR_BOX, scissor);
    const GLboolean scissored = glIsEnabled(GL_SCISSOR_TEST);
    const float screenWidth = Widget::screenWidth;
    const float screenHeight = Widget::screenHeight;
    const float toPixelsX = screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = screenHeight / Widget::kLogicalHeight;
    const int boxX = viewport[0] + static_cast<int>(left * toPixelsX);
    const int boxY = viewport[1] + static_cast<int>(bottom * toPixelsY);
    const int boxWidth = static_cast<int>(width * toPixelsX);
    const int boxHeight =
        static_cast<int>(width * Widget::kLogicalHeight / Widget::kLogicalWidth * toPixelsY);
    glViewport(boxX, boxY, boxWidth, boxHeight);
    glScissor(boxX, boxY, boxWidth, boxHeight);
    glEnable(GL_SCISSOR_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, boxWidth, 0, boxHeight);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    Widget::screenWidth = static_cast<float>(boxWidth);
    Widget::screenHeight = static_cast<float>(boxHeight);
    ImageDrawer* images = ImageDrawer::getInstance();
    images->setScreenDimensions(Widget::screenWidth, Widget::screenHeight);

    battle->draw();

    Widget::screenWidth = screenWidth;
    Widget::screenHeight = screenHeight;
    images->setScreenDimensions(screenWidth, screenHeight);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glScissor(scissor[0], scissor[1], scissor[2], scissor[3]);
    if (scissored == GL_FALSE) {
        glDisable(GL_SCISSOR_TEST);
    }
}
