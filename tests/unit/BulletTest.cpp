#include "battle/Bullet.h"

#include <gtest/gtest.h>

#include "battle/GamePlay.h"
#include "people/Person.h"

namespace {

TEST(BulletTest, StartsAtItsSidesMuzzleAndFliesFourUnitsAFrame) {
    Bullet left(false, 123.5f);
    Bullet right(true, 7.0f);
    EXPECT_EQ(left.x, 210.0f);
    EXPECT_EQ(left.y, 123.5f);
    EXPECT_FALSE(left.side);
    EXPECT_EQ(right.x, 800.0f);
    EXPECT_TRUE(right.side);
    left.tick();
    right.tick();
    right.tick();
    EXPECT_EQ(left.x, 214.0f);
    EXPECT_EQ(right.x, 792.0f);
    EXPECT_EQ(left.y, 123.5f) << "a bullet keeps its height";
}

// The hit box spans x + 1 .. x + 21 and y + 11 .. y + 22; a bullet at (100, 200)
// covers 101 .. 121 across and 211 .. 222 up.
TEST(BulletTest, CollidesOnlyWithBoxesThatOverlapItsHitBox) {
    Bullet bullet(false, 200.0f);
    bullet.x = 100.0f;
    EXPECT_TRUE(bullet.collides(110.0f, 215.0f, 5.0f, 5.0f)) << "inside";
    EXPECT_TRUE(bullet.collides(0.0f, 0.0f, 1000.0f, 1000.0f)) << "around";

    EXPECT_FALSE(bullet.collides(121.0f, 200.0f, 50.0f, 50.0f)) << "left edge on x + 21";
    EXPECT_TRUE(bullet.collides(120.5f, 200.0f, 50.0f, 50.0f));
    EXPECT_FALSE(bullet.collides(51.0f, 200.0f, 50.0f, 50.0f)) << "right edge on x + 1";
    EXPECT_TRUE(bullet.collides(51.5f, 200.0f, 50.0f, 50.0f));
    EXPECT_FALSE(bullet.collides(100.0f, 222.0f, 50.0f, 50.0f)) << "bottom on y + 22";
    EXPECT_TRUE(bullet.collides(100.0f, 221.5f, 50.0f, 50.0f));
    EXPECT_FALSE(bullet.collides(100.0f, 161.0f, 50.0f, 50.0f)) << "top on y + 11";
    EXPECT_TRUE(bullet.collides(100.0f, 161.5f, 50.0f, 50.0f));
}

TEST(BulletTest, TheHitBoxIsTheSameInBothDirections) {
    Bullet left(false, 0.0f);
    Bullet right(true, 0.0f);
    left.x = right.x = 300.0f;
    for (float edge = 270.0f; edge < 330.0f; edge += 0.5f) {
        EXPECT_EQ(left.collides(edge, 0.0f, 10.0f, 30.0f), right.collides(edge, 0.0f, 10.0f, 30.0f))
            << edge;
    }
}

// A person at (px, py) is in the line of fire of a bullet at (bx, by) when
// |(by - 16) - py| < 8 and it stands ahead of the bullet.
TEST(BulletTest, LineOfFireBoundaries) {
    Bullet left(false, 300.0f);
    left.x = 400.0f;
    Person person;
    person.setSide(true);

    person.setPosition(900.0f, 284.0f);
    EXPECT_TRUE(GamePlay::inLineOfFire(left, person)) << "y - 16";
    person.setPosition(900.0f, 276.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(left, person)) << "y - 24";
    person.setPosition(900.0f, 292.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(left, person)) << "y - 8";
    person.setPosition(900.0f, 276.5f);
    EXPECT_TRUE(GamePlay::inLineOfFire(left, person));
    person.setPosition(900.0f, 291.5f);
    EXPECT_TRUE(GamePlay::inLineOfFire(left, person));

    person.setPosition(400.0f, 284.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(left, person)) << "level with the bullet is not ahead";
    person.setPosition(399.0f, 284.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(left, person)) << "behind a left bullet";
    person.setPosition(400.5f, 284.0f);
    EXPECT_TRUE(GamePlay::inLineOfFire(left, person));
}

TEST(BulletTest, ARightBulletThreatensThoseToItsLeftOfEitherSide) {
    Bullet right(true, 100.0f);
    right.x = 600.0f;
    Person person;
    person.setPosition(599.5f, 84.0f);
    EXPECT_TRUE(GamePlay::inLineOfFire(right, person));
    person.setSide(true);
    EXPECT_TRUE(GamePlay::inLineOfFire(right, person)) << "the side does not matter";
    person.setPosition(600.0f, 84.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(right, person));
    person.setPosition(700.0f, 84.0f);
    EXPECT_FALSE(GamePlay::inLineOfFire(right, person));
}

}  // namespace
