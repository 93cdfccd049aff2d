#include "battle/Effect.h"

#include "battle/Field.h"

namespace {

struct Place {
    ImageDrawer::ImageType image;
    float leftX;
    float rightX;
};

// The flash sits at the muzzle of a fighter on its firing line; the puff is
// drawn where the wall's bricks are.
constexpr Place kShotBang = {ImageDrawer::ImageShotBang, 186.0f, 780.0f};
constexpr Place kSmokePff = {ImageDrawer::ImageSmokePff, Field::kLeftWallX, Field::kRightWallX};

const Place& placeOf(Effect::Kind kind) {
    return kind == Effect::KindShotBang ? kShotBang : kSmokePff;
}

}  // namespace

Effect::Effect(Kind kind, bool side, float y)
    : image(placeOf(kind).image),
      x(side ? placeOf(kind).rightX : placeOf(kind).leftX),
      y(y),
      fading(false),
      level(EffectLook::kStartLevel),
      look{0.0f, 0.0f} {}

void Effect::advance() {
    look = EffectLook::advance(fading, level);
}

void Effect::show() const {
    ImageDrawer::getInstance()->drawImage(image, x, y, look.scale, look.scale, 1.0f, 1.0f, 1.0f,
                                          look.alpha);
}

void Effect::draw() {
    advance();
    show();
}
