// Takes the README's pictures from the game itself: the title screen with the
// pointer on an arrow, and a battle in which the player's wall stops a bullet;
// and contact sheets of the player's own person (see PlayerSheet.h), of how
// the game teaches itself (see HowToPlaySheet.h) and of its languages (see
// LanguagesSheet.h). The
// battles are played from fixed seeds with scripted keys, so the pictures
// come out the same on every run.
//
// Usage: screenshot OUTPUT_DIR      (needs an X display; writes title.png,
//                                   battle.png, player-sheet.png,
//                                   how-to-play.png and languages.png)
#include <cmath>
#include <cstdio>
#include <string>

#include "app/Application.h"
#include "app/SyntheticKey.h"
#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/GamePlay.h"
#include "people/Person.h"
#include "title/TitleScreen.h"
#include "tools/screenshot/Frame.h"
#include "tools/screenshot/HowToPlaySheet.h"
#include "tools/screenshot/LanguagesSheet.h"
#include "tools/screenshot/PlayerSheet.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// Battles are tried from this seed on until one shows a rescue at the wall.
constexpr std::uint32_t kBattleSeed = 20261207;
constexpr int kAttempts = 50;
constexpr int kFramesPerAttempt = 3000;
// A bullet needs about 60 frames from the fighters' line to the wall.
constexpr int kBulletCrossingFrames = 120;
// The brick box spans b + 9 .. b + 55 and a bullet's y + 11 .. y + 22: a brick
// laid this far below a bullet's height meets it squarely.
constexpr float kBrickBelowBullet = 20.0f;
constexpr float kCloseEnough = 4.0f;
// The puff is photographed when it has grown to full size.
constexpr float kPuffAtFullSize = 1.5f;

bool writePng(const std::string& path) {
    return Frame::read(kWidth, kHeight).writePng(path);
}

void frame(Application& application) {
    application.draw();
}

// The nearest left bullet still heading for the left wall, or null.
const Bullet* incomingFromTheLeft(const GamePlay& battle) {
    const Bullet* nearest = nullptr;
    for (const Bullet* bullet : battle.bullets) {
        if (!bullet->side && bullet->x < 330.0f && (nearest == nullptr || bullet->x > nearest->x)) {
            nearest = bullet;
        }
    }
    return nearest;
}

// Plays one battle from `seed`: the player walks to meet a bullet from the
// left and lays both bricks in its way. True once the puff of that rescue is
// at full size, with the frame saved; false when this battle gives no chance.
bool takeBattle(Application& application, std::uint32_t seed, const std::string& path) {
    delete application.currentState;
    GamePlay* battle = new GamePlay(&application, {32, 3, 32, 3}, seed);
    application.currentState = battle;
    application.stateKind = Application::StateBattle;
    int framesSinceLaying = -1;
    for (int count = 0; count < kFramesPerAttempt; ++count) {
        frame(application);
        if (battle->player == nullptr) {
            return false;
        }
        if (framesSinceLaying >= 0) {
            for (const Effect* puff : battle->smokePffs) {
                if (!puff->fading && puff->level >= kPuffAtFullSize) {
                    return writePng(path);
                }
            }
            if (++framesSinceLaying > kBulletCrossingFrames) {
                return false;
            }
            continue;
        }
        const Bullet* bullet = incomingFromTheLeft(*battle);
        if (bullet == nullptr) {
            continue;
        }
        const float goal = bullet->y - kBrickBelowBullet;
        const float height = battle->people.front()->y;
        battle->keyUp(syntheticKey(SDLK_UP));
        if (std::fabs(height - goal) <= kCloseEnough) {
            battle->keyDown(syntheticKey(SDLK_z));
            battle->keyDown(syntheticKey(SDLK_x));
            framesSinceLaying = 0;
        } else {
            battle->keyDown(syntheticKey(height < goal ? SDLK_UP : SDLK_DOWN));
        }
    }
    return false;
}

bool takeTitle(Application& application, const std::string& path) {
    // The pointer on the right civilians' "more" arrow, which lights up.
    constexpr float kPointerX = 876.0f;
    constexpr float kPointerY = kHeight - 418.0f;
    application.currentState->mouseMove(kPointerX, kPointerY);
    frame(application);
    return writePng(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    Application application(
        {"-w", std::to_string(kWidth), "-h", std::to_string(kHeight), "-ns", "-nm"});
    application.initGraphics();
    if (!takeTitle(application, folder + "/title.png")) {
        std::fprintf(stderr, "screenshot: could not take the title screen\n");
        return 1;
    }
    bool battleTaken = false;
    for (int attempt = 0; attempt < kAttempts && !battleTaken; ++attempt) {
        battleTaken = takeBattle(application, kBattleSeed + attempt, folder + "/battle.png");
    }
    if (!battleTaken) {
        std::fprintf(stderr, "screenshot: no rescue at the wall in %d battles\n", kAttempts);
        return 1;
    }
    if (!takePlayerSheet(application, folder + "/player-sheet.png")) {
        return 1;
    }
    if (!takeHowToPlaySheet(application, folder + "/how-to-play.png")) {
        return 1;
    }
    return takeLanguagesSheet(application, folder + "/languages.png") ? 0 : 1;
}
