#include "battle/Bullet.h"

#include "graphics/ImageDrawer.h"

namespace {

constexpr float kSpeed = 4.0f;

}  // namespace

Bullet::Bullet(bool side, float y) : side(side), x(side ? kRightMuzzleX : kLeftMuzzleX), y(y) {}

void Bullet::tick() {
    x = side ? x - kSpeed : x + kSpeed;
}

void Bullet::draw() {
    const float scaleX = side ? 1.0f : -1.0f;
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageBullet, x, y, scaleX, 1.0f, 1.0f, 1.0f,
                                          1.0f, 1.0f);
}

bool Bullet::collides(float left, float bottom, float width, float height) const {
    return x + kHitRight > left && left + width > x + kHitLeft && y + kHitTop > bottom &&
           bottom + height > y + kHitBottom;
}
