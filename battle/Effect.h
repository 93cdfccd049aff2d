#ifndef TRUCEWARD_BATTLE_EFFECT_H
#define TRUCEWARD_BATTLE_EFFECT_H

#include "battle/EffectLook.h"
#include "graphics/ImageDrawer.h"

// A flash over the field with one of two looks: the muzzle flash at a side's
// firing line when a fighter fires, or the puff of smoke at a wall where a
// brick stopped a bullet. Both grow and fade the same way (EffectLook) and
// are finished once `level` is 0 or less.
class Effect {
  public:
    enum Kind { KindShotBang, KindSmokePff };

    // Every effect of a kind and side shows at the same x: the flash at its
    // side's muzzle whatever the fighter's x, the puff at its wall.
    Effect(Kind kind, bool side, float y);
    // The battle owns it in a list and deletes it once.
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // One frame of growth or fading, without drawing.
    void advance();
    // Draws the frame the last advance() made, changing nothing.
    void show() const;
    // One drawn frame: advance(), then show(). Call exactly once per frame.
    void draw();

    ImageDrawer::ImageType image;
    float x;
    float y;
    bool fading;
    float level;
    // What the last advance() made of the frame.
    EffectLook look;
};

#endif
