#ifndef TRUCEWARD_BATTLE_BULLET_H
#define TRUCEWARD_BATTLE_BULLET_H

#include "battle/Field.h"

// A shot in flight, 4 units per frame across the field at the height it was
// fired at. Left bullets fly to the right, right bullets to the left.
class Bullet {
  public:
    // The hit box's lower and upper edge above y, and its left and right
    // edge (the glowing slug inside the 32 x 32 image) beyond x.
    static constexpr float kHitBottom = 11.0f;
    static constexpr float kHitTop = 22.0f;
    static constexpr float kHitLeft = 1.0f;
    static constexpr float kHitRight = 21.0f;
    // Where bullets start: in front of a left fighter's sprite, and at the
    // right firing line (the right fighter's own left edge).
    static constexpr float kLeftMuzzleX = 210.0f;
    static constexpr float kRightMuzzleX = Field::kRightLine;

    // Starts at the side's muzzle, whatever the firing fighter's x.
    Bullet(bool side, float y);
    // The battle owns it in a list and deletes it once.
    Bullet(const Bullet&) = delete;
    Bullet& operator=(const Bullet&) = delete;

    void tick();
    // Head first: the image's head is on its left, so a left bullet is mirrored.
    void draw();
    // Whether the bullet's hit box (x + 1 .. x + 21 across, y + 11 .. y + 22
    // up) overlaps the box; boxes that only touch do not.
    bool collides(float left, float bottom, float width, float height) const;

    bool side;
    float x;
    float y;
};

#endif
