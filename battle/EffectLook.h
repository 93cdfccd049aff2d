#ifndef TRUCEWARD_BATTLE_EFFECTLOOK_H
#define TRUCEWARD_BATTLE_EFFECTLOOK_H

// How a muzzle flash or a smoke puff shows in one frame. Both grow from half
// size to full size, then fade while they shrink to nothing: 12 growing frames
// and 33 fading ones, 45 drawn frames in all.
struct EffectLook {
    // Where `level` starts when the effect is created.
    static constexpr float kStartLevel = 0.5f;

    // One frame of growth or fading of the effect's (`fading`, `level`), and
    // the scale and alpha to draw that frame with. While fading, `level` is
    // the alpha, which may exceed 1 for the first frames (OpenGL clamps it).
    static EffectLook advance(bool& fading, float& level);

    float scale;
    float alpha;
};

#endif
