#include "battle/GamePlay.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <ctime>

#include "battle/Bullet.h"
#include "battle/Effect.h"
#include "battle/Field.h"
#include "battle/Ghost.h"
#include "people/AlertLook.h"
#include "people/Civilian.h"
#include "people/Fighter.h"
#include "people/Person.h"
#include "people/PlayerControlled.h"
#include "replay/Replay.h"
#include "replay/ReplayViewer.h"
#include "scores/GameCounter.h"

namespace {

// "Fighter" is kept one above the number of living fighters, so that the
// count coming back to 1 means that the last one is gone.
constexpr int kFighterBaseline = 1;

// The player's person starts half way up the centre line; civilians anywhere
// in their strips, fighters on their lines, everybody at any height.
constexpr float kPlayerY = 352.0f;

// A side of this many people or fewer has no families.
constexpr int kLargestSideWithoutFamilies = 5;
// Each person wants 0 .. 5 relatives of its own choosing.
constexpr int kRelativeChoices = 6;

// Bullets go once wholly off the left edge or this far past the right one.
constexpr float kBulletWidth = 32.0f;
constexpr float kRightExit = 1056.0f;

// The upright brick inside the 64 x 64 image drawn at a wall's x.
constexpr float kBrickInsetX = 20.0f;
constexpr float kBrickInsetY = 9.0f;
constexpr float kBrickWidth = 24.0f;
constexpr float kBrickHeight = 46.0f;

// A bullet flies this far above the height of the people it threatens.
constexpr float kLineOfFireDrop = 16.0f;
constexpr float kLineOfFireReach = 8.0f;

// The heights, relative to a bullet's, between which a person can be in its
// line of fire or hit by it; a unit wider than exact, so that rounding never
// leaves anybody out (the exact tests decide).
constexpr float kSearchMargin = 1.0f;
constexpr float kLineOfFireLowest = kLineOfFireDrop + kLineOfFireReach + kSearchMargin;
constexpr float kLineOfFireHighest = kLineOfFireDrop - kLineOfFireReach - kSearchMargin;
constexpr float kHitLowest =
    Field::kBodyInsetY + Field::kBodyHeight - Bullet::kHitBottom + kSearchMargin;
constexpr float kHitHighest = Bullet::kHitTop - Field::kBodyInsetY + kSearchMargin;
// The same across: how far left and right of a bullet's x a person's x can be.
constexpr float kHitLeftmost =
    Field::kBodyInsetX + Field::kBodyWidth - Bullet::kHitLeft + kSearchMargin;
constexpr float kHitRightmost = Bullet::kHitRight - Field::kBodyInsetX + kSearchMargin;
constexpr int kThreatAlert = 1;

// What a rescue by a brick and a death add to the score.
constexpr int kRescuePoints = 1;
constexpr int kDeathPoints = -1;

// Deletes and removes, back to front, every entry that has run out.
template <typename Effect, typename Finished>
void removeFinished(std::vector<Effect*>& effects, Finished finished) {
    for (std::size_t i = effects.size(); i-- > 0;) {
        if (finished(*effects[i])) {
            delete effects[i];
            effects.erase(effects.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

template <typename Thing>
void deleteAll(std::vector<Thing*>& things) {
    for (Thing* thing : things) {
        delete thing;
    }
    things.clear();
}

}  // namespace

GamePlay::GamePlay(Application* application, const StartNumbers& numbers)
    : GamePlay(application, numbers, static_cast<std::uint32_t>(std::time(nullptr))) {}

GamePlay::GamePlay(Application* application, const StartNumbers& numbers, std::uint32_t seed)
    : player(nullptr),
      numbers(numbers),
      warOver(false),
      random(seed),
      application(application),
      time(0.0f),
      recording(std::make_unique<Replay>(numbers, seed, kRulesVersion)) {
    populate();
}

GamePlay::GamePlay(Application* application, std::unique_ptr<Replay> replay)
    : GamePlay(application, replay->numbers, replay->seed) {
    recording.reset();
    viewer = std::make_unique<ReplayViewer>(std::move(replay), *this);
}

void GamePlay::populate() {
    Person* playerPerson = new Person();
    GameCounter* counter = GameCounter::getInstance();
    counter->reset();
    counter->incrementCount(GameCounter::kFighter, kFighterBaseline);
    counter->registerNotification(GameCounter::kFighter, kFighterBaseline, this);

    player = new PlayerControlled(this);
    playerPerson->setBehaviour(player);
    playerPerson->setPosition(Field::kCentreLine, kPlayerY);
    people.push_back(playerPerson);

    for (int i = 0; i < numbers.leftCivilians; ++i) {
        Person* person = new Person();
        const float x = Field::kLeftStripMin + Field::kStripWidth * random.nextFloat();
        const float y = Field::kTop * random.nextFloat();
        person->setBehaviour(new Civilian(&random, this, false));
        person->setPosition(x, y);
        person->setSide(false);
        people.push_back(person);
    }
    for (int i = 0; i < numbers.leftFighters; ++i) {
        Person* person = new Person();
        const float y = Field::kTop * random.nextFloat();
        person->setBehaviour(new Fighter(&random, this, false));
        person->setPosition(Field::kLeftLine, y);
        person->setSide(false);
        people.push_back(person);
    }
    for (int i = 0; i < numbers.rightCivilians; ++i) {
        Person* person = new Person();
        const float x = Field::kRightStripMin + Field::kStripWidth * random.nextFloat();
        const float y = Field::kTop * random.nextFloat();
        person->setBehaviour(new Civilian(&random, this, true));
        person->setPosition(x, y);
        person->setSide(true);
        people.push_back(person);
    }
    for (int i = 0; i < numbers.rightFighters; ++i) {
        Person* person = new Person();
        const float y = Field::kTop * random.nextFloat();
        person->setBehaviour(new Fighter(&random, this, true));
        person->setPosition(Field::kRightLine, y);
        person->setSide(true);
        people.push_back(person);
    }

    const int leftSide = numbers.leftCivilians + numbers.leftFighters;
    const int rightSide = numbers.rightCivilians + numbers.rightFighters;
    formFamilies(1, leftSide);
    formFamilies(1 + leftSide, rightSide);
}

void GamePlay::formFamilies(int first, int count) {
    if (count <= kLargestSideWithoutFamilies) {
        return;
    }
    std::vector<int> chosen;
    for (int i = first; i < first + count; ++i) {
        const std::size_t target = static_cast<std::size_t>(pickBelow(kRelativeChoices));
        chosen.clear();
        // Links made in earlier passes count towards the target.
        std::size_t relatives = people[i]->family.size();
        while (relatives < target) {
            const int j = first + pickBelow(count);
            if (j == i || std::find(chosen.begin(), chosen.end(), j) != chosen.end()) {
                continue;
            }
            chosen.push_back(j);
            people[i]->addFamilyMember(people[j], false);
            people[j]->addFamilyMember(people[i], false);
            ++relatives;
        }
    }
}

int GamePlay::pickBelow(int bound) {
    const int pick = static_cast<int>(random.nextFloat() * static_cast<float>(bound));
    return pick >= bound ? bound - 1 : pick;
}

GamePlay::~GamePlay() {
    GameCounter::getInstance()->unregisterNotification(GameCounter::kFighter, kFighterBaseline,
                                                       this);
    deleteAll(people);
    deleteAll(bullets);
    deleteAll(shotBangs);
    deleteAll(smokePffs);
    deleteAll(ghosts);
}

void GamePlay::update() {
    ++steps;
    if (!warOver) {
        time += 1.0f;
    }
    // Ticks may fire, lay bricks, change roles and end the war, but never
    // add or remove people.
    for (Person* person : people) {
        person->tick();
    }
    if (warOver) {
        return;
    }
    for (Bullet* bullet : bullets) {
        bullet->tick();
    }
    if (bullets.empty()) {
        return;
    }
    // Everybody stands where this frame leaves them: one index of the people
    // serves the alerts and the collisions.
    peopleByHeight.rebuild(people);
    markThreatened();
    detectCollisions();
}

void GamePlay::markThreatened() {
    for (const Bullet* bullet : bullets) {
        // Lighting an alert twice is lighting it once, so the order of the
        // people does not matter here.
        const auto threaten = [this, bullet](int index) {
            Person* person = people[static_cast<std::size_t>(index)];
            if (inLineOfFire(*bullet, *person)) {
                person->raiseAlert(AlertLook::kThreat, kThreatAlert);
            }
        };
        // Only those ahead of the bullet are in its line of fire.
        const float left = bullet->side ? -PeopleByHeight::kAnyX : bullet->x;
        const float right = bullet->side ? bullet->x : PeopleByHeight::kAnyX;
        peopleByHeight.each(bullet->y - kLineOfFireLowest, bullet->y - kLineOfFireHighest, threaten,
                            left, right);
    }
}

void GamePlay::cleanUp() {
    const auto effectOver = [](const Effect& effect) { return effect.level <= 0.0f; };
    removeFinished(shotBangs, effectOver);
    removeFinished(smokePffs, effectOver);
    const auto ghostGone = [](const Ghost& ghost) { return ghost.alpha <= 0.0f; };
    if (playerGhost != nullptr && ghostGone(*playerGhost)) {
        playerGhost = nullptr;
    }
    removeFinished(ghosts, ghostGone);
}

void GamePlay::playSound(Sounds::SoundType type, float x) {
    if (!silent) {
        Sounds::getInstance()->playSound(type, x);
    }
}

void GamePlay::countReached(const std::string& name, int count) {
    if (name == GameCounter::kFighter && count == kFighterBaseline) {
        warOver = true;
    }
}

void GamePlay::addBullet(bool side, float y) {
    bullets.push_back(new Bullet(side, y));
    shotBangs.push_back(new Effect(Effect::KindShotBang, side, y));
}

void GamePlay::addBrick(bool side, float y) {
    (side ? rightBricks : leftBricks).push_back(y);
}

bool GamePlay::testBrick(bool side, float y) const {
    const std::vector<float>& wall = side ? rightBricks : leftBricks;
    return std::find(wall.begin(), wall.end(), y) != wall.end();
}

bool GamePlay::inLineOfFire(const Bullet& bullet, const Person& person) {
    if (!(std::fabs((bullet.y - kLineOfFireDrop) - person.y) < kLineOfFireReach)) {
        return false;
    }
    return bullet.side ? person.x < bullet.x : person.x > bullet.x;
}

Person* GamePlay::savedByBrick(int bulletIndex) {
    const Bullet& bullet = *bullets[static_cast<std::size_t>(bulletIndex)];
    for (Person* person : people) {
        if (inLineOfFire(bullet, *person)) {
            return person;
        }
    }
    return nullptr;
}

void GamePlay::collisionDetection() {
    peopleByHeight.rebuild(people);
    detectCollisions();
}

void GamePlay::detectCollisions() {
    for (std::size_t i = bullets.size(); i-- > 0;) {
        const Bullet& bullet = *bullets[i];
        if (bullet.x + kBulletWidth <= 0.0f || bullet.x >= kRightExit) {
            removeBullet(static_cast<int>(i));
        }
    }
    for (int i = static_cast<int>(bullets.size()) - 1; i >= 0; --i) {
        if (!stopAtWall(i, false)) {
            stopAtWall(i, true);
        }
    }
    for (int k = static_cast<int>(bullets.size()) - 1; k >= 0; --k) {
        killWith(k);
    }
}

bool GamePlay::stopAtWall(int bulletIndex, bool side) {
    std::vector<float>& wall = side ? rightBricks : leftBricks;
    const float wallX = side ? Field::kRightWallX : Field::kLeftWallX;
    const Bullet& bullet = *bullets[static_cast<std::size_t>(bulletIndex)];
    for (std::size_t j = 0; j < wall.size(); ++j) {
        const float height = wall[j];
        if (!bullet.collides(wallX + kBrickInsetX, height + kBrickInsetY, kBrickWidth,
                             kBrickHeight)) {
            continue;
        }
        Person* protectedPerson = savedByBrick(bulletIndex);
        Effect* puff = new Effect(Effect::KindSmokePff, side, height);
        if (protectedPerson != nullptr) {
            protectedPerson->saved();
            GameCounter::getInstance()->incrementCount(GameCounter::kSavedByBrick, kRescuePoints);
        }
        smokePffs.push_back(puff);
        playSound(Sounds::SoundBrickPuff, wallX + kBrickInsetX);
        wall.erase(wall.begin() + static_cast<std::ptrdiff_t>(j));
        removeBullet(bulletIndex);
        return true;
    }
    return false;
}

bool GamePlay::killWith(int bulletIndex) {
    const Bullet& bullet = *bullets[static_cast<std::size_t>(bulletIndex)];
    const auto hit = [this, &bullet](int index) {
        const Person* person = people[static_cast<std::size_t>(index)];
        return bullet.collides(person->x + Field::kBodyInsetX, person->y + Field::kBodyInsetY,
                               Field::kBodyWidth, Field::kBodyHeight);
    };
    const int victimIndex = peopleByHeight.first(bullet.y - kHitLowest, bullet.y + kHitHighest, hit,
                                                 bullet.x - kHitLeftmost, bullet.x + kHitRightmost);
    if (victimIndex < 0) {
        return false;
    }
    Person* victim = people[static_cast<std::size_t>(victimIndex)];
    // The victim's own list is not changed by its relatives' removals.
    for (Person* relative : victim->family) {
        relative->removeFamilyMember(victim);
    }
    const bool playerFell = player != nullptr && victim->behaviour == player;
    if (playerFell) {
        player = nullptr;
    }
    ghosts.push_back(new Ghost(victim->x, victim->y));
    if (playerFell) {
        playerGhost = ghosts.back();
    }
    playSound(Sounds::SoundPersonDying, victim->x);
    GameCounter::getInstance()->incrementCount(GameCounter::kKilled, kDeathPoints);
    // A dying fighter may end the war here; the rest of the bullets still count.
    delete victim;
    people.erase(people.begin() + victimIndex);
    peopleByHeight.erase(victimIndex);
    removeBullet(bulletIndex);
    return true;
}

void GamePlay::removeBullet(int bulletIndex) {
    const auto at = bullets.begin() + bulletIndex;
    delete *at;
    bullets.erase(at);
}
